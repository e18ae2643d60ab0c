// A program outside the library's build that uses the installed headers and
// library through the umbrella header: a numeric field and a meter on the
// offscreen platform.
#include <vok/VokComponents.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vok::TNumIO2 field;
    vok::TMeter meter;
    meter.SetMeterMaxValue(10.0);
    field.SetValue(4.0);
    meter.SetValue(field.GetValue());
    try {
        throw vok::EVOKError(QStringLiteral("consumer check"));
    } catch (const vok::EVOKError& e) {
        std::printf("%s, meter at %g\n", e.what(), meter.GetValue());
    }
    return meter.GetValue() == 4.0 ? 0 : 1;
}
