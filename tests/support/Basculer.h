#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCoreApplication>
#include <QTest>

// The ways a check box changes state: a click of the mouse, the space bar, the program (setChecked), and a
// screen reader, which acts through the box's accessible toggle action and so changes the state without any
// click.
enum class Geste { Souris, Clavier, Programme, LecteurDEcran };

// Turns the box over in the given way.
inline void Basculer(QAbstractButton* boite, Geste geste) {
    QCoreApplication::processEvents();
    switch (geste) {
    case Geste::Souris:
        QTest::mouseClick(boite, Qt::LeftButton, {}, QPoint(6, boite->height() / 2));
        break;
    case Geste::Clavier:
        boite->setFocus();
        QTest::keyClick(boite, Qt::Key_Space);
        break;
    case Geste::Programme:
        boite->setChecked(!boite->isChecked());
        break;
    case Geste::LecteurDEcran: {
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(boite);
        QVERIFY(interface != nullptr && interface->actionInterface() != nullptr);
        QVERIFY(
            interface->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        interface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        break;
    }
    }
    QCoreApplication::processEvents();
}

Q_DECLARE_METATYPE(Geste)
