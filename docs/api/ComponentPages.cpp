// Writes the component pages of the API reference: for every component of
// the catalog its own picture at its initial size, its gallery page, its
// properties with their initial values and its signals, as one Doxygen page.
//
//   vok_docs_pages OUT_DIR PICTURE_DIR
//
// PICTURE_DIR holds the gallery's screenshots; the component pictures are
// written beside them, the pages to OUT_DIR/components.dox.
#include "ComponentCatalog.h"
#include "PropertyText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

using vok::designer::ComponentEntry;

QString ShortName(const QString& ClassName)
{
    return ClassName.section(QStringLiteral("::"), -1);
}

QString ScreenshotName(const QString& PageTitle)
{
    return PageTitle.toLower().replace(QLatin1Char(' '), QLatin1Char('-')) + QStringLiteral(".png");
}

void WritePropertyTable(QTextStream& Out, const QWidget& Widget)
{
    const QMetaObject* Meta = Widget.metaObject();
    Out << "\\section " << ShortName(QString::fromLatin1(Meta->className())) << "_properties Properties\n\n"
        << "Properties read and write by name through Qt's property system (and Designer); "
           "enumerations by value name, colors as `$00BBGGRR`.\n\n"
        << "| Property | Type | Initial value |\n|---|---|---|\n";
    for (const QMetaProperty& P : vok::designer::LibraryProperties(Meta)) {
        Out << "| `" << P.name() << "` | `" << P.typeName() << "` | "
            << vok::docs::PropertyText(P, P.read(&Widget)).toHtmlEscaped().replace(QLatin1Char('|'), QStringLiteral("\\|"))
            << " |\n";
    }
    Out << "\n";
}

void WriteSignals(QTextStream& Out, const QWidget& Widget)
{
    const QMetaObject* Meta = Widget.metaObject();
    Out << "\\section " << ShortName(QString::fromLatin1(Meta->className())) << "_signals Signals\n\n"
        << "Each is emitted right after the classic event of the same name (`OnChange` -> `changed()`); "
           "the class reference lists the events.\n\n";
    for (const QMetaObject* M = Meta; M; M = M->superClass()) {
        if (!QByteArray(M->className()).startsWith("vok::"))
            continue;
        for (int I = M->methodOffset(); I < M->methodCount(); ++I)
            if (M->method(I).methodType() == QMetaMethod::Signal)
                Out << "- `" << M->method(I).methodSignature() << "`\n";
    }
    Out << "\n";
}

bool WritePage(QTextStream& Out, const ComponentEntry& Entry, const QDir& Pictures)
{
    const std::unique_ptr<QWidget> Widget(Entry.Create(nullptr));
    Widget->resize(Widget->sizeHint().expandedTo(Widget->minimumSizeHint()));
    const QString Name = ShortName(Entry.ClassName);
    const QString Picture = Name + QStringLiteral(".png");
    if (!Widget->grab().save(Pictures.filePath(Picture))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(Pictures.filePath(Picture)));
        return false;
    }
    const QString Gallery = ScreenshotName(Entry.GalleryPage);
    if (!Pictures.exists(Gallery)) {
        std::fprintf(stderr, "no gallery screenshot %s for %s\n", qPrintable(Gallery), qPrintable(Name));
        return false;
    }
    Out << "/*!\n\\page component_" << Name << " " << Name << " (" << Entry.ToolTip << ")\n\n"
        << Entry.WhatsThis << "\n\n"
        << "Class: " << Entry.ClassName << ", header: `#include <" << Entry.Header << ">`.\n\n"
        << "\\image html " << Picture << " \"" << Name << " at its initial size\"\n\n"
        << "\\image html " << Gallery << " \"The gallery's " << Entry.GalleryPage << " page\"\n\n";
    WritePropertyTable(Out, *Widget);
    WriteSignals(Out, *Widget);
    Out << "*/\n\n";
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication App(argc, argv);
    const QStringList Args = QApplication::arguments();
    if (Args.size() != 3) {
        std::fprintf(stderr, "usage: vok_docs_pages OUT_DIR PICTURE_DIR\n");
        return 2;
    }
    const QDir Pictures(Args.at(2));
    if (!QDir().mkpath(Args.at(1))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(Args.at(1)));
        return 1;
    }
    QSaveFile File(QDir(Args.at(1)).filePath(QStringLiteral("components.dox")));
    if (!File.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(File.fileName()));
        return 1;
    }
    QTextStream Out(&File);
    Out << "/*!\n\\page components Components\n\n"
        << "Every component is a QWidget in namespace vok, offered by the Designer plugin under \""
        << vok::designer::GroupName() << "\".\n\n";
    for (const ComponentEntry& Entry : vok::designer::Components())
        Out << "- \\subpage component_" << ShortName(Entry.ClassName) << "\n";
    Out << "*/\n\n";
    for (const ComponentEntry& Entry : vok::designer::Components())
        if (!WritePage(Out, Entry, Pictures))
            return 1;
    Out.flush();
    return File.commit() ? 0 : 1;
}
