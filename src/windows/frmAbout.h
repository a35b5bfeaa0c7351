#pragma once

#include <QDialog>

class QPushButton;

// The About box: title, version and legal notice, description, credits and the
// project's web address. Modeless and without a parent, so it can stay open after the
// main window has closed; it deletes itself when closed.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void focusOKButton();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void Form_Load();
    // Enter and Esc close the box; every other key is swallowed.
    bool Form_KeyPress(int key);

    QPushButton* cmdOK = nullptr;
};
