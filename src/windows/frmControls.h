#pragma once

#include <QDialog>
#include <QWidget>

class QTabWidget;

// The caption of a player command ("Walk", "Play Pause", ...) in the user's language.
QString CommandCaption(const QString& name);

// A page of the Controls dialog: it shows the state of one way of driving the player and
// lets the user change it. OK keeps the changes, Cancel gives the state stored before.
class ControlsPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void save() = 0;
    virtual void discard() = 0;
};

// Tools > Controls...: one tab per page. OK saves every page, Cancel (Esc, the close
// button) discards every page's changes; either way the dialog is deleted once closed.
class frmControls : public QDialog {
    Q_OBJECT
public:
    explicit frmControls(QWidget* parent);
    // Takes the page over as the next tab.
    void addPage(ControlsPage* page, const QString& title);

    void accept() override;
    void reject() override;

private:
    QList<ControlsPage*> pages() const;

    QTabWidget* tabs;
};
