#pragma once

#include "windows/Dialogs.h"

#include <QList>
#include <QQueue>

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
        OpenFileRequest request = {};
        HelpCommand helpCommand = HelpCommand::Contents;
        int helpContext = 0;
    };

    void message(QWidget*, const QString& text, const QString& title, Icon) override {
        recorded.append({Kind::Message, text, title});
    }
    QString input(QWidget*, const QString& prompt, const QString& title, const QString&) override {
        recorded.append({Kind::Input, prompt, title});
        return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
    }
    std::optional<QString> openFile(QWidget*, const OpenFileRequest& request) override {
        recorded.append({Kind::OpenFile, {}, {}, request});
        return openFileAnswers.isEmpty() ? std::nullopt : openFileAnswers.dequeue();
    }
    void showHelp(QWidget*, HelpCommand command, int context) override {
        recorded.append({Kind::Help, {}, {}, {}, command, context});
    }

    void queueInput(const QString& answer) { inputAnswers.enqueue(answer); }
    void queueOpenFile(const std::optional<QString>& answer) { openFileAnswers.enqueue(answer); }

    const QList<Call>& calls() const { return recorded; }
    // The texts of the message boxes shown so far, in order.
    QStringList messageTexts() const {
        QStringList texts;
        for (const Call& call : recorded)
            if (call.kind == Kind::Message)
                texts.append(call.text);
        return texts;
    }

private:
    QList<Call> recorded;
    QQueue<QString> inputAnswers;
    QQueue<std::optional<QString>> openFileAnswers;
};

// Installs a Dialogs implementation for its lifetime and restores the real one after.
class ScopedDialogs {
public:
    explicit ScopedDialogs(Dialogs& implementation) { setDialogs(&implementation); }
    ~ScopedDialogs() { setDialogs(nullptr); }
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;
};
