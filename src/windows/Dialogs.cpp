#include "windows/Dialogs.h"

#include "windows/FileDialogFilter.h"
#include "windows/HelpViewer.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon messageBoxIcon(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

class RealDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, const QString& title, Icon icon) override {
        QMessageBox box(messageBoxIcon(icon), title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override {
        bool accepted = false;
        const QString answer =
            QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &accepted);
        return accepted ? answer : QString();
    }

    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile
                                                 : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::ReadOnly, request.readOnlyChecked);
        const QStringList nameFilters = QtNameFilters(request.filter);
        dialog.setNameFilters(nameFilters);
        if (request.selectedFilter >= 1 && request.selectedFilter <= nameFilters.size())
            dialog.selectNameFilter(nameFilters[request.selectedFilter - 1]);
        if (!request.initialFolder.isEmpty())
            dialog.setDirectory(request.initialFolder);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    void showHelp(QWidget* parent, HelpCommand command, int context) override {
        ShowHelpWindow(parent, command, context);
    }
};

Dialogs* installed = nullptr;

} // namespace

Dialogs& dialogs() {
    static RealDialogs real;
    return installed ? *installed : real;
}

void setDialogs(Dialogs* implementation) {
    installed = implementation;
}
