#include "windows/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace {

const QString EnglishHelpFolder = QStringLiteral(":/help");
const QString ContentsPage = QStringLiteral("contents.html");
// Help context numbers of the program's dialogs and the pages that describe them.
const std::map<int, QString> ContextPages = {
    {StartHereHelpContext, QStringLiteral("contents.html#start-here")},
    {1007, QStringLiteral("options.html")}};

// One line of the topic finder: a keyword of a page, or the page's title.
struct Topic {
    QString text;
    QString page;
    QString pageText; // the page's words, searched when the line is the page's title
    bool isTitle = false;
};

QString firstCapture(const QString& html, const QRegularExpression& pattern) {
    return pattern.match(html).captured(1).trimmed();
}

// The pages in the user's language: a translation is a folder of the same pages beside
// the English ones (:/help/de), with the same names and anchors. English where none is.
QString helpFolder() {
    for (const QString& language : QLocale().uiLanguages()) {
        const QString folder =
            EnglishHelpFolder + u'/' + QLocale(language).name().section(u'_', 0, 0);
        if (QFileInfo::exists(folder + u'/' + ContentsPage))
            return folder;
    }
    return EnglishHelpFolder;
}

// Every page in the help folder adds its title and the keywords of its
// <meta name="keywords"> to the finder, so that new pages need no list of their own.
QList<Topic> readTopics(const QString& folder) {
    static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keywords(
        QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""));
    QList<Topic> topics;
    const QStringList pages = QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& page : pages) {
        QFile file(folder + u'/' + page);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString html = QString::fromUtf8(file.readAll());
        const QString pageText = QTextDocumentFragment::fromHtml(html).toPlainText();
        topics.append({firstCapture(html, title), page, pageText, true});
        const QStringList words = firstCapture(html, keywords).split(u';', Qt::SkipEmptyParts);
        for (const QString& keyword : words)
            topics.append({keyword.trimmed(), page, QString(), false});
    }
    std::sort(topics.begin(), topics.end(), [](const Topic& a, const Topic& b) {
        return QString::localeAwareCompare(a.text, b.text) < 0;
    });
    return topics;
}

bool containsAll(const QString& text, const QStringList& words) {
    return std::all_of(words.begin(), words.end(), [&](const QString& word) {
        return text.contains(word, Qt::CaseInsensitive);
    });
}

// A line matches when it holds every word typed; a title also matches when its page does.
bool topicMatches(const Topic& topic, const QStringList& words) {
    return containsAll(topic.text, words) || (topic.isTitle && containsAll(topic.pageText, words));
}

class HelpWindow : public QWidget {
public:
    HelpWindow() {
        setObjectName(QStringLiteral("frmHelp"));
        setWindowTitle(QCoreApplication::translate("HelpWindow", "Parlanda Help"));
        setAttribute(Qt::WA_DeleteOnClose);
        // Help left open never keeps the program running.
        setAttribute(Qt::WA_QuitOnClose, false);
        createControls();
        resize(760, 540);
    }

    void showPage(const QString& page) {
        browser->setSource(QUrl(QStringLiteral("qrc") + folder + u'/' + page));
    }

    void showFinder() {
        if (browser->source().isEmpty())
            showPage(ContentsPage);
        finder->show();
        findBox->selectAll();
        findBox->setFocus();
    }

private:
    void createControls() {
        auto* contentsButton = addButton(QStringLiteral("cmdContents"),
                                         QCoreApplication::translate("HelpWindow", "&Contents"));
        connect(contentsButton, &QPushButton::clicked, this, [this] { showPage(ContentsPage); });
        auto* indexButton = addButton(QStringLiteral("cmdIndex"),
                                      QCoreApplication::translate("HelpWindow", "&Index"));
        connect(indexButton, &QPushButton::clicked, this, &HelpWindow::showFinder);
        auto* backButton = addButton(QStringLiteral("cmdBack"),
                                     QCoreApplication::translate("HelpWindow", "&Back"));
        auto* forwardButton = addButton(QStringLiteral("cmdForward"),
                                        QCoreApplication::translate("HelpWindow", "&Forward"));

        browser = new QTextBrowser(this);
        browser->setObjectName(QStringLiteral("helpBrowser"));
        browser->setOpenExternalLinks(true);
        connect(backButton, &QPushButton::clicked, browser, &QTextBrowser::backward);
        connect(forwardButton, &QPushButton::clicked, browser, &QTextBrowser::forward);
        connect(browser, &QTextBrowser::backwardAvailable, backButton, &QWidget::setEnabled);
        connect(browser, &QTextBrowser::forwardAvailable, forwardButton, &QWidget::setEnabled);
        backButton->setEnabled(false);
        forwardButton->setEnabled(false);

        auto* buttons = new QHBoxLayout;
        for (QPushButton* button : {contentsButton, indexButton, backButton, forwardButton})
            buttons->addWidget(button);
        buttons->addStretch();

        auto* splitter = new QSplitter(this);
        splitter->addWidget(createFinder());
        splitter->addWidget(browser);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({220, 540});

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(splitter);
    }

    QPushButton* addButton(const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    }

    // The topic finder: a search box over the list of topics, hidden until asked for.
    QWidget* createFinder() {
        finder = new QWidget(this);
        finder->setObjectName(QStringLiteral("topicFinder"));
        findBox = new QLineEdit(finder);
        findBox->setObjectName(QStringLiteral("txtFind"));
        findBox->setPlaceholderText(
            QCoreApplication::translate("HelpWindow", "Type a word to find"));
        findBox->setClearButtonEnabled(true);
        topicList = new QListWidget(finder);
        topicList->setObjectName(QStringLiteral("lstTopics"));
        for (const Topic& topic : readTopics(folder)) {
            auto* item = new QListWidgetItem(topic.text, topicList);
            item->setData(Qt::UserRole, topic.page);
            topics.append(topic);
        }
        connect(findBox, &QLineEdit::textChanged, this, &HelpWindow::filterTopics);
        connect(findBox, &QLineEdit::returnPressed, this, &HelpWindow::openFirstTopic);
        connect(topicList, &QListWidget::itemActivated, this, &HelpWindow::openTopic);
        connect(topicList, &QListWidget::itemClicked, this, &HelpWindow::openTopic);

        auto* layout = new QVBoxLayout(finder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(
            new QLabel(QCoreApplication::translate("HelpWindow", "Find a topic:"), finder));
        layout->addWidget(findBox);
        layout->addWidget(topicList);
        finder->hide();
        return finder;
    }

    void filterTopics(const QString& text) {
        const QStringList words =
            text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (int row = 0; row < topicList->count(); ++row)
            topicList->item(row)->setHidden(!topicMatches(topics[row], words));
    }

    void openFirstTopic() {
        for (int row = 0; row < topicList->count(); ++row) {
            if (!topicList->item(row)->isHidden()) {
                openTopic(topicList->item(row));
                return;
            }
        }
    }

    void openTopic(QListWidgetItem* item) {
        topicList->setCurrentItem(item);
        showPage(item->data(Qt::UserRole).toString());
    }

    const QString folder = helpFolder();
    QTextBrowser* browser = nullptr;
    QWidget* finder = nullptr;
    QLineEdit* findBox = nullptr;
    QListWidget* topicList = nullptr;
    QList<Topic> topics; // by row of topicList
};

QPointer<HelpWindow> helpWindow;

// The one help window, moved under the window that asks for it, so that it can be used
// beside a modal dialog (F1 in the options) and closes with its owner.
HelpWindow& helpWindowFor(QWidget* parent) {
    QWidget* owner = parent ? parent->window() : nullptr;
    if (!helpWindow)
        helpWindow = new HelpWindow;
    if (helpWindow->parentWidget() != owner)
        helpWindow->setParent(owner, Qt::Window);
    return *helpWindow;
}

QString pageOfContext(int context) {
    const auto page = ContextPages.find(context);
    return page != ContextPages.end() ? page->second : ContentsPage;
}

} // namespace

void ShowHelpWindow(QWidget* parent, Dialogs::HelpCommand command, int context) {
    HelpWindow& window = helpWindowFor(parent);
    window.show();
    window.raise();
    window.activateWindow();
    switch (command) {
    case Dialogs::HelpCommand::Contents:
        window.showPage(ContentsPage);
        break;
    case Dialogs::HelpCommand::Index:
        window.showFinder();
        break;
    case Dialogs::HelpCommand::Context:
        window.showPage(pageOfContext(context));
        break;
    }
}
