#pragma once

// A main frame stand-in for the entry tests: the program objects, scripted dialogs and an active
// multiple-document area of a chosen width, with helpers that act as a user would.

#include "DialoghiFinti.h"
#include "FinestreFiglie.h"
#include "FrmRisultati.h"
#include "Programma.h"
#include "frmInserimentoDati.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

class Banco {
public:
    static constexpr const char* Nomi[8] = {"S1", "S2", "Stot", "T1", "T2", "Ttot", "Vm", "A"};

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
    QWidget* Finestra(const char* nome) { return finestre.Finestra(QString::fromLatin1(nome)); }
    QCheckBox* Casella(int i) { return Controllo<QCheckBox>("frmInserimentoDati", "Selezionato", i); }
    QLineEdit* Valore(int i) { return Controllo<QLineEdit>("frmInserimentoDati", "Risultati", i); }
    QLineEdit* Risultato(int i) { return Controllo<QLineEdit>("FrmRisultati", "Risultati", i); }
    QWidget* Picture1() { return Finestra("frmInserimentoDati")->findChild<QWidget*>("Picture1"); }

    void Spunta(int i) { QTest::mouseClick(Casella(i), Qt::LeftButton); }
    // Replaces the box's text as a user would: select all, then type.
    void Scrivi(int i, const QString& testo) {
        Valore(i)->setFocus();
        QTest::keyClick(Valore(i), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Valore(i), testo);
    }
    // Presses on the picture at a pixel position.
    void Premi(int x, int y, Qt::MouseButton tasto = Qt::LeftButton) {
        QTest::mouseClick(Picture1(), tasto, {}, QPoint(x, y));
    }
    void ChiudiInserimento() {
        Finestra("frmInserimentoDati")->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList Spuntate() {
        QStringList nomi;
        for (int i = 0; i < 8; ++i)
            if (Casella(i)->isChecked())
                nomi << Nomi[i];
        return nomi;
    }
    QStringList Visibili() {
        QStringList nomi;
        for (int i = 0; i < 8; ++i)
            if (Valore(i)->isVisible())
                nomi << Nomi[i];
        return nomi;
    }
    QString Fuoco() {
        QWidget* fuoco = QApplication::focusWidget();
        return fuoco ? fuoco->accessibleName() : QString();
    }
    QStringList Risultati() {
        QStringList testi;
        for (int i = 0; i < 8; ++i)
            testi << Risultato(i)->text();
        return testi;
    }

private:
    template <typename T> T* Controllo(const char* finestra, const char* nome, int i) {
        QWidget* f = Finestra(finestra);
        return f ? f->findChild<T*>(QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(i)) : nullptr;
    }
};
