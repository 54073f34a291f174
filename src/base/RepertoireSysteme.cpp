#include "base/RepertoireSysteme.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString GetRepertoireSysteme() {
    const QString variable = qEnvironmentVariable("KORVEN_SYSTEM_DIR");
    if (!variable.isEmpty())
        return variable;
#ifdef Q_OS_WIN
    // The length without the final zero; a longer one is the size the name would need.
    wchar_t tampon[MAX_PATH + 1] = {};
    const UINT longueur = GetSystemDirectoryW(tampon, MAX_PATH + 1);
    if (longueur == 0 || longueur > MAX_PATH)
        return QString();
    return QString::fromWCharArray(tampon, static_cast<int>(longueur));
#else
    return QStringLiteral("/etc/korven");
#endif
}
