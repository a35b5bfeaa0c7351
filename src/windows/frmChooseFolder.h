#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTreeView;

// A small modal dialog in which the user picks a folder: a list of the mounted volumes
// (Drive1) and a folder tree (Dir1) in which folders are opened and closed. The caller
// sets the start folder with setPath() and the title, runs exec(), and reads
// resultText() when exec() returned QDialog::Accepted. OK and Cancel only hide the
// dialog, so it can be kept for the rest of the run and remembers its result.
class frmChooseFolder : public QDialog {
    Q_OBJECT
public:
    explicit frmChooseFolder(QWidget* parent = nullptr);

    // Moves the folder list to strPath and the drive list to the volume holding it. A
    // folder that does not exist starts at its nearest existing parent; an empty or
    // relative path (one that names no folder here) starts at the home folder.
    void setPath(const QString& strPath);

    // The folder chosen with OK, as the file system spells it: paths keep their case
    // here, since another case would name another folder. Empty until the first OK;
    // Cancel leaves it as it was.
    QString resultText() const { return result; }

    void OKButton_Click();
    void CancelButton_Click();
    // The drive list's volume has changed: the folder list moves to its root.
    void Drive1_Change(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void arrangeControls();
    void fillDriveList();
    QString FolderListPath() const;
    void SetFolderListPath(const QString& folder);
    void RevealCurrentFolder();
    void SelectVolumeOf(const QString& folder);

    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QTreeView* Dir1 = nullptr;
    QComboBox* Drive1 = nullptr;
    QFileSystemModel* folders = nullptr;
    QString result;
    bool followCurrentFolder = false;
};
