// The Help menu and the About box: the pages the help window opens for each command,
// its topic finder and links, and the About box's texts, keys and single instance that
// outlives the main window.
#include "messages/frmAbout.h"
#include "platform/HelpViewer.h"
#include "support/ManualClockWindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

Q_DECLARE_METATYPE(Dialogs::HelpCommand)

namespace {

template <typename T> QList<T*> topLevelsOf() {
    QList<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(widget))
            found.append(window);
    return found;
}

QWidget* helpWindow() {
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->objectName() == QLatin1String("frmHelp"))
            return widget;
    return nullptr;
}

QString pageShown(QWidget& help) {
    return QFileInfo(help.findChild<QTextBrowser*>("helpBrowser")->source().path()).fileName();
}

QString helpPageText(const QString& page) {
    QFile file(":/help/" + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString labelText(const QWidget& box, const QString& name) {
    const auto* label = box.findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

} // namespace

class AboutBoxAndHelp : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void helpCommandsOpenTheirPages_data();
    void helpCommandsOpenTheirPages();
    void helpMenuAsksForContentsAndFinder();
    void helpStaysUsableBesideModalDialog();
    void topicFinderLeadsToPagesWithTheWords();
    void helpLinksLeadToPagesThatExist();
    void aboutBoxShowsIdentity();
    void aboutBoxKeys_data();
    void aboutBoxKeys();
    void aboutCommandShowsOneBox();
    void aboutBoxOutlivesMainWindow();
};

void AboutBoxAndHelp::cleanup() {
    delete helpWindow();
    qDeleteAll(topLevelsOf<frmAbout>());
}

void AboutBoxAndHelp::helpCommandsOpenTheirPages_data() {
    QTest::addColumn<Dialogs::HelpCommand>("command");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("finderShown");
    QTest::newRow("contents") << Dialogs::HelpCommand::Contents << 0 << "contents.html" << false;
    QTest::newRow("index") << Dialogs::HelpCommand::Index << 0 << "contents.html" << true;
    QTest::newRow("options context")
        << Dialogs::HelpCommand::Context << 1007 << "options.html" << false;
    QTest::newRow("unknown context")
        << Dialogs::HelpCommand::Context << 4 << "contents.html" << false;
}

void AboutBoxAndHelp::helpCommandsOpenTheirPages() {
    QFETCH(Dialogs::HelpCommand, command);
    QFETCH(int, context);
    QFETCH(QString, page);
    QFETCH(bool, finderShown);
    ShowHelpWindow(nullptr, command, context);
    QWidget* help = helpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(pageShown(*help), page);
    QVERIFY(!help->findChild<QTextBrowser*>("helpBrowser")->toPlainText().isEmpty());
    QCOMPARE(help->findChild<QWidget*>("topicFinder")->isVisible(), finderShown);

    // Asking again uses the same window.
    ShowHelpWindow(nullptr, Dialogs::HelpCommand::Context, 1007);
    QCOMPARE(helpWindow(), help);
    QCOMPARE(pageShown(*help), QStringLiteral("options.html"));
}

void AboutBoxAndHelp::helpMenuAsksForContentsAndFinder() {
    ManualClockWindow fixture;
    fixture.window().mnuConents_Click();
    fixture.window().mnuIndex_Click();
    fixture.window().mnuSearch_Click();
    QList<Dialogs::HelpCommand> asked;
    for (const ScriptedDialogs::Call& call : fixture.prompts().callsOf(ScriptedDialogs::Kind::Help))
        asked.append(call.helpCommand);
    QCOMPARE(asked, QList<Dialogs::HelpCommand>({Dialogs::HelpCommand::Contents,
                                                 Dialogs::HelpCommand::Index,
                                                 Dialogs::HelpCommand::Index}));
    QVERIFY(!helpWindow()); // the scripted dialogs showed nothing
}

// F1 in a modal dialog (the options) must give a help window the user can still use.
void AboutBoxAndHelp::helpStaysUsableBesideModalDialog() {
    QWidget owner;
    owner.show();
    ShowHelpWindow(&owner, Dialogs::HelpCommand::Contents, 0);
    QPointer<QWidget> help = helpWindow();
    QVERIFY(help);

    auto* options = new QDialog(&owner);
    options->setModal(true);
    options->show();
    QVERIFY(QApplication::activeModalWidget() == options);
    ShowHelpWindow(options, Dialogs::HelpCommand::Context, 1007);
    QCOMPARE(helpWindow(), help.data()); // still the one window
    QVERIFY(help->isVisible());
    QCOMPARE(pageShown(*help), QStringLiteral("options.html"));
    // A window blocked by the modal dialog would drop the click.
    QVERIFY(!help->findChild<QWidget*>("topicFinder")->isVisible());
    // Clicked through the window system, which drops input to blocked windows.
    const auto* index = help->findChild<QPushButton*>("cmdIndex");
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                      index->mapTo(help, index->rect().center()));
    QVERIFY(help->findChild<QWidget*>("topicFinder")->isVisible());

    // It goes with the dialog; the next request opens a new one.
    delete options;
    QVERIFY(help.isNull());
    ShowHelpWindow(&owner, Dialogs::HelpCommand::Contents, 0);
    QVERIFY(helpWindow() && helpWindow()->isVisible());
}

void AboutBoxAndHelp::topicFinderLeadsToPagesWithTheWords() {
    ShowHelpWindow(nullptr, Dialogs::HelpCommand::Index, 0);
    QWidget* help = helpWindow();
    QVERIFY(help);
    auto* findBox = help->findChild<QLineEdit*>("txtFind");
    auto* topics = help->findChild<QListWidget*>("lstTopics");
    QVERIFY(topics->count() > 20);

    const QStringList searches = {"offset", "Ctrl+F10", "bits per", "recent"};
    for (const QString& search : searches) {
        findBox->setText(search);
        int shown = 0;
        for (int row = 0; row < topics->count(); ++row) {
            const QListWidgetItem* item = topics->item(row);
            if (item->isHidden())
                continue;
            ++shown;
            const QString page = item->data(Qt::UserRole).toString();
            QVERIFY2(helpPageText(page).contains(search, Qt::CaseInsensitive) ||
                         item->text().contains(search, Qt::CaseInsensitive),
                     qPrintable(search + " leads to " + page));
        }
        QVERIFY2(shown > 0, qPrintable(search));
    }

    findBox->setText("pause interval");
    QTest::keyClick(findBox, Qt::Key_Return);
    QCOMPARE(pageShown(*help), QStringLiteral("options.html"));

    findBox->setText("no such word anywhere");
    for (int row = 0; row < topics->count(); ++row)
        QVERIFY(topics->item(row)->isHidden());
    QTest::keyClick(findBox, Qt::Key_Return);
    QCOMPARE(pageShown(*help), QStringLiteral("options.html"));
}

void AboutBoxAndHelp::helpLinksLeadToPagesThatExist() {
    static const QRegularExpression link(R"(href="([^"#:]+\.html))");
    const QStringList pages = QDir(":/help").entryList({"*.html"});
    QVERIFY(pages.contains("contents.html"));
    QVERIFY(pages.contains("options.html"));
    for (const QString& page : pages) {
        const QString html = helpPageText(page);
        QVERIFY2(html.contains("<title>"), qPrintable(page));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            QVERIFY2(pages.contains(target), qPrintable(page + " links to " + target));
        }
    }
}

void AboutBoxAndHelp::aboutBoxShowsIdentity() {
    const frmAbout box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About Parlanda"));
    QCOMPARE(labelText(box, "lblTitle"), QStringLiteral("Parlanda"));
    QCOMPARE(box.findChild<QLabel*>("lblTitle")->font().family(),
             QStringLiteral("Times New Roman"));
    const QString version = labelText(box, "lblVersion");
    QVERIFY2(version.startsWith("Version 2.0.0,  ") && version.size() > 20, qPrintable(version));
    QCOMPARE(labelText(box, "lblDescription"),
             QStringLiteral("Digital Audio Transcription Utility"));
    QVERIFY(labelText(box, "lblURL").contains("https://"));
    QVERIFY(box.findChild<QWidget*>("picIcon"));
    QVERIFY(box.findChild<QWidget*>("Line1"));
    QStringList credits;
    for (int i = 2; i <= 7; ++i)
        credits.append(labelText(box, QStringLiteral("Label%1").arg(i)));
    QCOMPARE(credits.count("Thanks to:"), 1);
    QVERIFY(!credits.contains(QString()));
    QCOMPARE(box.findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("OK"));
}

void AboutBoxAndHelp::aboutBoxKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("Space, which would press OK") << int(Qt::Key_Space) << false;
    QTest::newRow("letter") << int(Qt::Key_A) << false;
    QTest::newRow("F4") << int(Qt::Key_F4) << false;
}

void AboutBoxAndHelp::aboutBoxKeys() {
    QFETCH(int, key);
    QFETCH(bool, closes);
    QPointer<frmAbout> box = new frmAbout;
    box->show();
    box->focusOKButton();
    auto* ok = box->findChild<QPushButton*>("cmdOK");
    QSignalSpy pressed(ok, &QPushButton::clicked);
    // Keys reach the focused button first; the box must see them before it does.
    QTest::keyClick(ok, Qt::Key(key));
    QTest::keyClick(box, Qt::Key(key));
    if (closes) {
        QTRY_VERIFY(box.isNull());
    } else {
        QTest::qWait(20);
        QVERIFY(box && box->isVisible());
        QCOMPARE(pressed.count(), 0);
    }
}

void AboutBoxAndHelp::aboutCommandShowsOneBox() {
    ManualClockWindow fixture;
    fixture.window().mnuAbout_Click();
    fixture.window().mnuAbout_Click();
    const QList<frmAbout*> boxes = topLevelsOf<frmAbout>();
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes[0]->isVisible());
    QVERIFY(!boxes[0]->isModal());
    QCOMPARE(boxes[0]->focusWidget(), boxes[0]->findChild<QPushButton*>("cmdOK"));

    boxes[0]->findChild<QPushButton*>("cmdOK")->click();
    QTRY_VERIFY(topLevelsOf<frmAbout>().isEmpty());
    fixture.window().mnuAbout_Click();
    QCOMPARE(topLevelsOf<frmAbout>().size(), 1);
}

// The program runs on while the box is open after the main window closed, and ends when
// the box is closed: run the application's own event loop to see it end.
void AboutBoxAndHelp::aboutBoxOutlivesMainWindow() {
    ManualClockWindow fixture;
    fixture.window().show();
    fixture.window().mnuAbout_Click();
    QPointer<frmAbout> box = topLevelsOf<frmAbout>().value(0);
    QVERIFY(box);

    bool openAfterMainWindowClosed = false;
    bool boxClosed = false;
    QTimer::singleShot(0, this, [&] {
        fixture.window().close();
        QTimer::singleShot(100, this, [&] {
            openAfterMainWindowClosed = box && box->isVisible();
            if (box)
                box->close();
            boxClosed = true;
        });
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);

    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(boxClosed);
    QVERIFY(openAfterMainWindowClosed);
}

QTEST_MAIN(AboutBoxAndHelp)
#include "about_box_and_help.moc"
