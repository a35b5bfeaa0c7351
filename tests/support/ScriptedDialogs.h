#pragma once

#include "windows/Dialogs.h"

#include <QList>
#include <QQueue>

#include <functional>

// Dialogs for tests: records every call in order and answers from queues the test
// fills. With an empty queue the input prompt answers "" and the open-file dialog is
// cancelled. Install it for a scope with ScopedDialogs.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Input, OpenFile, Help };

    struct Call {
        Kind kind = Kind::Message;
        QString text;  // message text or input prompt
        QString title; // message or input title
        Icon icon = Icon::None;
        QString defaultText; // input default answer
        OpenFileRequest request;
        HelpCommand helpCommand = HelpCommand::Contents;
        int helpContext = 0;
    };

    void message(QWidget* parent, const QString& text, const QString& title, Icon icon) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override;
    void showHelp(QWidget* parent, HelpCommand command, int context = 0) override;

    void queueInput(const QString& answer) { inputAnswers.enqueue(answer); }
    void queueOpenFile(const std::optional<QString>& answer) { openFileAnswers.enqueue(answer); }
    // Runs inside every call after it was recorded, as a modal dialog would let the
    // event loop run (e.g. to check the state while a message is up).
    void onCall(std::function<void(const Call&)> hook) { callHook = std::move(hook); }

    const QList<Call>& calls() const { return recorded; }
    QList<Call> callsOf(Kind kind) const;
    // The texts of the message boxes shown so far, in order.
    QStringList messageTexts() const;
    void clear() { recorded.clear(); }

private:
    void record(Call call);

    QList<Call> recorded;
    QQueue<QString> inputAnswers;
    QQueue<std::optional<QString>> openFileAnswers;
    std::function<void(const Call&)> callHook;
};

// Installs a Dialogs implementation for its lifetime and restores the real one after.
class ScopedDialogs {
public:
    explicit ScopedDialogs(Dialogs& implementation) { setDialogs(&implementation); }
    ~ScopedDialogs() { setDialogs(nullptr); }
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;
};
