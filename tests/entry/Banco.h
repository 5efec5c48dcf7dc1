#pragma once

// A main frame stand-in for the entry tests: the program objects, scripted dialogs and an active
// multiple-document area, with helpers that act as a user would.

#include "DialoghiFinti.h"
#include "FinestreFiglie.h"
#include "FrmRisultati.h"
#include "Programma.h"
#include "frmInserimentoDati.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

enum { S1, S2, Stot, T1, T2, Ttot, Vm, A };
inline const char* const Nomi[8] = {"S1", "S2", "Stot", "T1", "T2", "Ttot", "Vm", "A"};
// The eleven allowed triples, as listed on the picture.
inline const int Terne[11][3] = {{Stot, Ttot, S1}, {Stot, Ttot, A},  {Stot, Ttot, T1}, {Stot, Vm, S1},
                                 {Stot, Vm, A},    {Stot, Vm, T1},   {Vm, Ttot, S1},   {Vm, Ttot, A},
                                 {Vm, Ttot, T1},   {Vm, Ttot, Stot}, {Vm, T2, Stot}};
inline const QLocale It(QLocale::Italian, QLocale::Italy);
inline const QLocale Us(QLocale::English, QLocale::UnitedStates);

struct Banco {
    Programma programma;
    DialoghiFinti dialoghi;
    QMdiArea area;
    FinestreFiglie finestre{area, programma, dialoghi};

    explicit Banco(int larghezza = 1200) {
        area.resize(larghezza, 800);
        area.show();
        area.activateWindow();
        if (!QTest::qWaitForWindowActive(&area))
            qWarning("area not active");
    }

    frmInserimentoDati& Inserimento() { return finestre.ApriInserimentoDati(); }
    template <typename T = QLineEdit> T* Controllo(const QString& finestra, const char* nome, int i) {
        QWidget* f = finestre.Finestra(finestra);
        return f ? f->findChild<T*>(QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(i)) : nullptr;
    }
    QCheckBox* Casella(int i) { return Controllo<QCheckBox>("frmInserimentoDati", "Selezionato", i); }
    QLineEdit* Valore(int i) { return Controllo("frmInserimentoDati", "Risultati", i); }
    QWidget* Picture1() { return finestre.Finestra("frmInserimentoDati")->findChild<QWidget*>("Picture1"); }

    void Spunta(int i) { QTest::mouseClick(Casella(i), Qt::LeftButton); }
    // Replaces the box's text as a user would: select all, then type.
    void Scrivi(int i, const QString& testo) {
        Valore(i)->setFocus();
        QTest::keyClick(Valore(i), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Valore(i), testo);
    }
    void Chiudi(const QString& finestra) {
        finestre.Finestra(finestra)->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The ticked quantities with the texts of their boxes ("Stot=2 T2="); a "!" marks a box whose
    // visibility does not follow its tick.
    QString Stato() {
        QStringList voci;
        for (int i = 0; i < 8; ++i) {
            if (Casella(i)->isChecked())
                voci << QStringLiteral("%1=%2").arg(Nomi[i], Valore(i)->text());
            if (Casella(i)->isChecked() != Valore(i)->isVisible())
                voci << QStringLiteral("!%1").arg(Nomi[i]);
        }
        return voci.join(' ');
    }
    QString Fuoco() {
        QWidget* fuoco = QApplication::focusWidget();
        return fuoco ? fuoco->accessibleName() : QString();
    }
    QStringList Risultati() {
        QStringList testi;
        for (int i = 0; i < 8; ++i)
            testi << Controllo("FrmRisultati", "Risultati", i)->text();
        return testi;
    }
};
