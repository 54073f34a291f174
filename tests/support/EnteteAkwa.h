#pragma once

#include <QStringList>

// The school the printed documents' tests use (Lycée bilingue d'Akwa, B.P. 1234 Douala, school year
// 2025/2026): the texts its bilingual header shows, the French block then the English one.
inline QStringList TextesEnteteAkwa() {
    return {QStringLiteral("REPUBLIQUE DU CAMEROUN"),
            QStringLiteral("Paix-Travail-Patrie"),
            QStringLiteral("MINISTERE DES ENSEIGNEMENTS SECONDAIRES"),
            QStringLiteral("Lycée bilingue d'Akwa"),
            QStringLiteral("Travail - Discipline - Succès"),
            QStringLiteral("B.P. 1234 Tél. 699 00 00 00 Douala"),
            QStringLiteral("Année scolaire: 2025/2026"),
            QStringLiteral("REPUBLIC OF CAMEROON"),
            QStringLiteral("Peace-Work-Fatherland"),
            QStringLiteral("MINISTRY OF SECONDARY EDUCATION"),
            QStringLiteral("Akwa Bilingual High School"),
            QStringLiteral("Work - Discipline - Success"),
            QStringLiteral("P.O. Box 1234 Phone 699 00 00 00 Douala"),
            QStringLiteral("Academic year: 2025/2026")};
}
