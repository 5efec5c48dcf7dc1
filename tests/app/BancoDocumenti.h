#pragma once

// The main window over fresh program objects (Banco), with the gestures of a user on the data-entry
// window and the files of the test in its temporary folder.

#include "Banco.h"
#include "FinestreFiglie.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <initializer_list>
#include <utility>

enum { S1, S2, Stot, T1, T2, Ttot, Vm, A }; // the window order of the quantities

inline const QLocale Italiano(QLocale::Italian, QLocale::Italy);
inline const QLocale Americano(QLocale::English, QLocale::UnitedStates);

inline QByteArray LeggiTutto(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(illeggibile)");
}

inline void ScriviTutto(const QString& percorso, const QByteArray& contenuto) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contenuto), contenuto.size());
}

struct BancoDocumenti : Banco {
    BancoDocumenti() { Apri(); }

    QString Percorso(const QString& nome) const { return cartella.filePath(nome); }
    // The record holds these eight values, given in the window order (Vm before A).
    void Assegna(const QList<double>& v) {
        Velantra& m = programma.Moto;
        m.S1 = v[S1], m.S2 = v[S2], m.Stot = v[Stot], m.T1 = v[T1];
        m.T2 = v[T2], m.Ttot = v[Ttot], m.Vm = v[Vm], m.Acc = v[A];
    }
    void Premi(const char* comando) { Azione(QLatin1String(comando))->trigger(); }

    QWidget* Finestra(const char* nome) const { return finestra->Figlie().Finestra(QLatin1String(nome)); }
    QCheckBox* Casella(int i) const {
        return Finestra("frmInserimentoDati")
            ->findChild<QCheckBox*>(QStringLiteral("Selezionato(%1)").arg(i));
    }
    QLineEdit* Valore(int i) const {
        return Finestra("frmInserimentoDati")->findChild<QLineEdit*>(QStringLiteral("Risultati(%1)").arg(i));
    }

    // Opens the data-entry window, ticks the quantities and types their values.
    void Inserisci(std::initializer_list<std::pair<int, const char*>> valori) {
        Premi("SceltaSistema");
        for (const auto& [i, testo] : valori) {
            QTest::mouseClick(Casella(i), Qt::LeftButton);
            QTest::keyClicks(Valore(i), QLatin1String(testo));
        }
    }
    // Types into an open data-entry window over what a box holds.
    void Riscrivi(int i, const char* testo) {
        Valore(i)->selectAll();
        QTest::keyClicks(Valore(i), QLatin1String(testo));
    }
    // The example of the document: Stot 2, Ttot 3, S1 0.5 calculated.
    void CalcolaEsempio() {
        Inserisci({{Stot, "2"}, {Ttot, "3"}, {S1, "0.5"}});
        Premi("Calcolo");
    }

    // The ticked quantities with their texts, in the window order ("S1=0,5 Stot=2 Ttot=3"); empty
    // without a data-entry window.
    QString Terna() const {
        QStringList voci;
        for (int i = 0; Finestra("frmInserimentoDati") && i < 8; ++i)
            if (Casella(i)->isChecked())
                voci << QStringLiteral("%1=%2").arg(Casella(i)->accessibleName(), Valore(i)->text());
        return voci.join(' ');
    }
    // The open child windows by form name, the active one marked with "*".
    QString Figlie() const {
        QStringList nomi;
        for (const char* nome : {"frmInserimentoDati", "FrmRisultati", "frmGrafico"})
            if (QWidget* f = Finestra(nome))
                nomi << QLatin1String(nome) + (f == finestra->FinestraAttiva() ? "*" : "");
        return nomi.join(' ');
    }
    // The command state as the user sees it: 1 nothing to save, 2 saved but not printable, 3 all.
    int StatoComandi() const {
        if (!Azione("Save")->isEnabled())
            return 1;
        return Azione("Print")->isEnabled() && Azione("mnuFileEsporta")->isEnabled() ? 3 : 2;
    }
};
