#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class PlayerController;
class QTabWidget;

// Tools > Controls...: one tab page for each way of controlling the player. The page
// "Playback" is built here; other pages come in with addPage(). OK applies every page,
// Cancel none.
class frmControls : public QDialog {
    Q_OBJECT
public:
    frmControls(PlayerController& player, QWidget* parent);

    // Adds `page` (the dialog takes it) as a tab; apply runs when the user chooses OK.
    void addPage(QWidget* page, const QString& title, std::function<void()> apply);

private:
    void addPlaybackPage(PlayerController& player);
    void applyPages();

    QTabWidget* tabs;
    std::vector<std::function<void()>> appliers;
};
