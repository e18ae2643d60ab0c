// A program outside the library's build that uses the installed headers and library.
#include <vok/Vok_base.h>

#include <cstdio>

int main()
{
    try {
        throw vok::EVOKError(QStringLiteral("consumer check"));
    } catch (const vok::EVOKError& e) {
        std::printf("%s\n", e.what());
    }
    return 0;
}
