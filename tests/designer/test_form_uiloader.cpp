// The example form loaded at run time by QUiLoader, which creates the
// components through the Designer plugin.
#include "FormExpectations.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QUiLoader>

#include <memory>

TEST(FormLoadedByQUiLoader, CreatesTheComponentsThroughThePlugin)
{
    QUiLoader Loader;
    // Only the plugin of this build: without it the loader would make plain
    // QWidgets with dynamic properties, and the class checks fail.
    Loader.clearPluginPaths();
    Loader.addPluginPath(QStringLiteral(VOK_DESIGNER_PLUGIN_DIR));
    EXPECT_TRUE(Loader.availableWidgets().contains(QStringLiteral("vok::TMeter")));

    QFile File(QStringLiteral(VOK_COMPONENTS_FORM));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    const std::unique_ptr<QWidget> Form(Loader.load(&File));
    ASSERT_NE(Form, nullptr) << Loader.errorString().toStdString();
    ExpectFormProperties(*Form);
    ExpectNaturalSizes(*Form);
}
