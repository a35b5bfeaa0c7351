#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Audio File Information": the name and length of the open file, and how it was
// recorded, which it asks of a second, private opening of the file. Read-only; every
// showing is a new dialog that asks afresh.
class frmInfo : public QDialog {
    Q_OBJECT
public:
    // fileName and lengthMs are those of the player.
    frmInfo(const QString& fileName, qint64 lengthMs, QWidget* parent = nullptr);

private:
    void createControls();
    void Form_Load(const QString& fileName, qint64 lengthMs);

    QLabel* lblName = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblLength = nullptr;
    QPushButton* OKButton = nullptr;
};
