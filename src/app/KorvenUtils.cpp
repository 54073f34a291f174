#include "app/KorvenUtils.h"

#include "model/UniteCObjet.h"

#include <QComboBox>

QString ChaineSQL(const QString& valeur) {
    QString texte;
    texte.reserve(valeur.size() + 2);
    texte += QLatin1Char('\'');
    for (const QChar c : valeur) {
        if (c == QLatin1Char('\''))
            texte += QStringLiteral("''");
        else if (c == QLatin1Char('\\'))
            texte += QStringLiteral("\\\\");
        else if (c == QChar(u'\0'))
            texte += QStringLiteral("\\0");
        else
            texte += c;
    }
    texte += QLatin1Char('\'');
    return texte;
}

void FreeComboboxObjects(QComboBox* Combobox) {
    if (Combobox == nullptr)
        return;
    std::vector<std::unique_ptr<TCObjet>> objets = DetacherObjetsCombo(Combobox);
    Combobox->clear();
    // The entities go here, with objets.
}
