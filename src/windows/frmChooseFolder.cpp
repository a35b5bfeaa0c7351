#include "windows/frmChooseFolder.h"

#include "windows/DialogSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The folder to start at: the path itself when it is a folder, else its nearest existing
// parent. A relative path names no particular folder, so it starts at home, as an empty
// one does.
QString ExistingFolderFor(const QString& path) {
    if (!QDir::isAbsolutePath(path))
        return QDir::homePath();
    QString folder = QDir::cleanPath(path);
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return QDir::homePath();
        folder = parent;
    }
    return folder;
}

bool IsOnVolume(const QString& folder, const QString& root) {
    return folder == root || folder.startsWith(root.endsWith('/') ? root : root + '/');
}

// Root paths of the mounted volumes the user can browse, sorted.
QStringList BrowsableVolumeRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QFileInfo root(volume.rootPath());
        if (volume.isValid() && volume.isReady() && root.isReadable() && root.isExecutable())
            roots.append(volume.rootPath());
    }
    roots.sort();
    roots.removeDuplicates();
    return roots;
}

} // namespace

frmChooseFolder::frmChooseFolder(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    createControls();
    arrangeControls();
    fillDriveList();
    UseNoDefaultButton(*this);
}

void frmChooseFolder::createControls() {
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName("OKButton");
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName("CancelButton");

    folders = new QFileSystemModel(this);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders->setRootPath(QDir::rootPath());
    Dir1 = new QTreeView(this);
    Dir1->setObjectName("Dir1");
    Dir1->setModel(folders);
    Dir1->setHeaderHidden(true);
    for (int column = 1; column < folders->columnCount(); ++column)
        Dir1->hideColumn(column);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName("Drive1");

    connect(OKButton, &QPushButton::clicked, this, &frmChooseFolder::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmChooseFolder::CancelButton_Click);
    connect(Drive1, &QComboBox::currentIndexChanged, this, &frmChooseFolder::Drive1_Change);
    connect(folders, &QFileSystemModel::rowsInserted, this, &frmChooseFolder::RevealCurrentFolder);
    connect(folders, &QFileSystemModel::layoutChanged, this, &frmChooseFolder::RevealCurrentFolder);
    connect(Dir1->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { followCurrentFolder = false; });
}

void frmChooseFolder::arrangeControls() {
    setFixedSize(twipsToSize(5205, 3195));
    OKButton->setFixedSize(twipsToSize(1215, 375));
    CancelButton->setFixedSize(twipsToSize(1215, 375));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(Dir1, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(Drive1, 1, 0);

    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, Dir1);
    setTabOrder(Dir1, Drive1);
}

void frmChooseFolder::fillDriveList() {
    const QSignalBlocker quiet(Drive1);
    Drive1->addItems(BrowsableVolumeRoots());
}

void frmChooseFolder::setPath(const QString& strPath) {
    const QString folder = ExistingFolderFor(strPath);
    SetFolderListPath(folder);
    SelectVolumeOf(folder);
}

// Shows the volume holding folder in the drive list without moving the folder list to
// that volume's root: the caller's start folder is what the user should see.
void frmChooseFolder::SelectVolumeOf(const QString& folder) {
    int best = -1;
    for (int i = 0; i < Drive1->count(); ++i) {
        const QString root = Drive1->itemText(i);
        if (IsOnVolume(folder, root) && (best < 0 || root.size() > Drive1->itemText(best).size()))
            best = i;
    }
    const QSignalBlocker quiet(Drive1);
    Drive1->setCurrentIndex(best);
}

void frmChooseFolder::Drive1_Change(int index) {
    if (index >= 0)
        SetFolderListPath(Drive1->itemText(index));
}

QString frmChooseFolder::FolderListPath() const {
    return folders->filePath(Dir1->currentIndex());
}

// Makes folder the current item, with its parents opened and its own folders shown.
void frmChooseFolder::SetFolderListPath(const QString& folder) {
    const QModelIndex current = folders->index(folder);
    Dir1->setCurrentIndex(current);
    Dir1->expand(current);
    followCurrentFolder = true;
    RevealCurrentFolder();
}

// The folders arrive from the file system in the background and push the rows below
// them down: until the user scrolls the list, the current folder is kept in view.
void frmChooseFolder::RevealCurrentFolder() {
    if (followCurrentFolder)
        Dir1->scrollTo(Dir1->currentIndex());
}

void frmChooseFolder::OKButton_Click() {
    result = FolderListPath();
    accept();
}

void frmChooseFolder::CancelButton_Click() {
    reject();
}

// The list has its size only now.
void frmChooseFolder::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RevealCurrentFolder();
}

// Neither button answers Enter or Esc: Enter clicks only a focused button, and the
// dialog is left with OK, Cancel or the window's close button.
void frmChooseFolder::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ClickFocusedButton(*this);
        return;
    case Qt::Key_Escape:
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
