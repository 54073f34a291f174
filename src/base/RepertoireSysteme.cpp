#include "base/RepertoireSysteme.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString GetRepertoireSysteme() {
#ifdef Q_OS_WIN
    wchar_t tampon[MAX_PATH + 1] = {};
    const UINT longueur = GetSystemDirectoryW(tampon, MAX_PATH);
    if (longueur == 0 || longueur > MAX_PATH)
        return QString();
    return QString::fromWCharArray(tampon, static_cast<int>(longueur));
#else
    const QString variable = qEnvironmentVariable("KORVEN_SYSTEM_DIR");
    return variable.isEmpty() ? QStringLiteral("/etc/korven") : variable;
#endif
}
