#include "app/localechoice.h"

#include <QByteArray>
#include <QtGlobal>

// POSIX reads the character set from LC_ALL, then LC_CTYPE, then LANG. With
// none of them set the locale is "C", whose character set is ASCII; Qt then
// switches to C.UTF-8 itself, but says so. Setting the same choice here
// (only the character set: messages, numbers and dates stay "C") keeps the
// start quiet and the result the same.
void PreferUtf8WhereNoLocaleIsSet()
{
    if (qEnvironmentVariableIsEmpty("LC_ALL") && qEnvironmentVariableIsEmpty("LC_CTYPE") &&
        qEnvironmentVariableIsEmpty("LANG"))
        qputenv("LC_CTYPE", QByteArrayLiteral("C.UTF-8"));
}
