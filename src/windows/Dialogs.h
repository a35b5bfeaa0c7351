#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The platform's prompts: message box, input prompt, open-file dialog and the help
// viewer. The program reaches them only through dialogs(); tests install a scripted
// implementation with setDialogs() that records what was asked and answers as told.
class Dialogs {
public:
    enum class Icon { None, Exclamation, Critical, Information, Question };

    struct OpenFileRequest {
        QString filter;         // "Wave (*.wav)|*.wav|All files (*.*)|*.*"
        int selectedFilter = 1; // 1-based index into filter
        QString initialFolder;  // folder the dialog starts in
        QString fileName;       // preselected file, "" for none
        bool fileMustExist = true;
        bool readOnlyChecked = true;
    };

    enum class HelpCommand { Contents, Index, Context };

    virtual ~Dialogs() = default;

    // Message box with an OK button only.
    virtual void message(QWidget* parent, const QString& text, const QString& title, Icon icon) = 0;
    // Input prompt; an empty text when cancelled.
    virtual QString input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& defaultText) = 0;
    // Open-file dialog; no value when the user cancelled or the dialog failed.
    virtual std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) = 0;
    // Opens the program's help at its contents, its topic finder or a context number.
    virtual void showHelp(QWidget* parent, HelpCommand command, int context = 0) = 0;
};

// The implementation in use: the real dialogs unless a test installed its own.
Dialogs& dialogs();
// Installs an implementation (not owned); nullptr restores the real one.
void setDialogs(Dialogs* implementation);
