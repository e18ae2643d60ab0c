// The gallery: every component live, one page per subsystem.
//
//   vok_gallery                    opens the window
//   vok_gallery --screenshot DIR   writes DIR/<page>.png for every page and exits
#include "GalleryPages.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cstdio>

namespace {

QWidget* ComingPage(const vok::gallery::PageEntry& Entry)
{
    auto* Page = new QWidget;
    auto* Layout = new QVBoxLayout(Page);
    auto* Title = new QLabel(QStringLiteral("<h2>%1</h2>").arg(Entry.Title.toHtmlEscaped()));
    auto* Text = new QLabel(QStringLiteral("Coming: %1").arg(Entry.Coming.toHtmlEscaped()));
    Text->setWordWrap(true);
    Layout->addWidget(Title);
    Layout->addWidget(Text);
    Layout->addStretch();
    return Page;
}

class GalleryWindow : public QWidget
{
public:
    GalleryWindow()
    {
        setWindowTitle(QStringLiteral("Vok Components Gallery"));
        auto* Layout = new QHBoxLayout(this);
        FIndex = new QListWidget;
        FIndex->setFixedWidth(170);
        FStack = new QStackedWidget;
        Layout->addWidget(FIndex);
        Layout->addWidget(FStack, 1);
        for (const vok::gallery::PageEntry& Entry : vok::gallery::Pages()) {
            FIndex->addItem(Entry.Title);
            FStack->addWidget(Entry.Factory ? Entry.Factory() : ComingPage(Entry));
        }
        connect(FIndex, &QListWidget::currentRowChanged, FStack, &QStackedWidget::setCurrentIndex);
        FIndex->setCurrentRow(0);
        resize(1100, 760);
    }

    int PageCount() const { return FStack->count(); }
    QString PageTitle(int I) const { return FIndex->item(I)->text(); }
    void ShowPage(int I) { FIndex->setCurrentRow(I); }

private:
    QListWidget* FIndex;
    QStackedWidget* FStack;
};

int WriteScreenshots(GalleryWindow& Window, const QString& Dir)
{
    if (!QDir().mkpath(Dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(Dir));
        return 1;
    }
    Window.show();
    for (int I = 0; I < Window.PageCount(); ++I) {
        Window.ShowPage(I);
        QApplication::processEvents();
        const QString File = QDir(Dir).filePath(vok::gallery::ScreenshotName(Window.PageTitle(I)));
        if (!Window.grab().save(File)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(File));
            return 1;
        }
        std::printf("%s\n", qPrintable(File));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vok_gallery"));
    QCommandLineParser Parser;
    Parser.setApplicationDescription(QStringLiteral("Gallery of the Vok components"));
    Parser.addHelpOption();
    const QCommandLineOption Screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Render every page to DIR/<page>.png and exit."), QStringLiteral("DIR"));
    Parser.addOption(Screenshot);
    Parser.process(App);

    GalleryWindow Window;
    if (Parser.isSet(Screenshot))
        return WriteScreenshots(Window, Parser.value(Screenshot));
    Window.show();
    return App.exec();
}
