#pragma once

// What the app tests start from: a settings store of their own in a temporary folder, fresh program
// objects, scripted dialogs, the main window loaded over them, and the gestures of a user.

#include "DialoghiFinti.h"
#include "FinestreFiglie.h"
#include "Programma.h"
#include "frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

enum { S1, S2, Stot, T1, T2, Ttot, Vm, A }; // the window order of the quantities

struct Banco {
    QTemporaryDir cartella;
    Programma programma;
    DialoghiFinti dialoghi;
    std::unique_ptr<frmMain> finestra;

    // Without `apri` the test fills the settings, then calls Apri().
    explicit Banco(bool apri = true) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, cartella.path());
        if (apri)
            Apri();
    }
    frmMain& Apri() {
        finestra = std::make_unique<frmMain>(programma, &dialoghi);
        finestra->show();
        return *finestra;
    }

    QString Percorso(const QString& nome) const { return cartella.filePath(nome); }
    QAction* Azione(const QString& nome) const { return finestra->findChild<QAction*>(nome); }
    void Premi(const char* comando) const { Azione(QLatin1String(comando))->trigger(); }
    QWidget* Finestra(const char* nome) const { return finestra->Figlie().Finestra(QLatin1String(nome)); }
    // A resizable child window with this form name, whose closing code writes S1 = 7 into the record.
    QWidget* Figlia(const QString& nome) {
        struct Prova : QWidget {
            Programma& programma;
            explicit Prova(Programma& programma) : programma(programma) {}
            void closeEvent(QCloseEvent*) override { programma.Moto.S1 = 7; }
        };
        auto* figlia = new Prova(programma);
        figlia->setObjectName(nome);
        figlia->setWindowTitle(nome);
        finestra->Figlie().Aggiungi(figlia)->resize(200, 150);
        finestra->Figlie().Mostra(figlia);
        return figlia;
    }

    void Assegna(const QList<double>& v) { // in the window order
        Velantra& m = programma.Moto;
        m.S1 = v[S1], m.S2 = v[S2], m.Stot = v[Stot], m.T1 = v[T1];
        m.T2 = v[T2], m.Ttot = v[Ttot], m.Vm = v[Vm], m.Acc = v[A];
    }
    QCheckBox* Casella(int i) const {
        return Finestra("frmInserimentoDati")
            ->findChild<QCheckBox*>(QStringLiteral("Selezionato(%1)").arg(i));
    }
    QLineEdit* Valore(int i) const {
        return Finestra("frmInserimentoDati")->findChild<QLineEdit*>(QStringLiteral("Risultati(%1)").arg(i));
    }
    // Types into the data-entry window over what the box holds.
    void Riscrivi(int i, const char* testo) const {
        Valore(i)->selectAll();
        QTest::keyClicks(Valore(i), QLatin1String(testo));
    }
    // The example, Stot 2, Ttot 3 and S1 0.5, shown in the data-entry window and calculated.
    void CalcolaEsempio() {
        programma.SistemaCorrente = 0;
        Assegna({0.5, 0, 2, 0, 0, 3, 0, 0});
        Premi("SceltaSistema");
        Premi("Calcolo");
    }

    // The dialogs shown, as "type title (filters)", separated by "|".
    QString Chiamate() const {
        QStringList voci;
        for (const DialoghiFinti::Chiamata& c : dialoghi.chiamate)
            voci << c.tipo + ' ' + c.titolo + (c.filtri.isEmpty() ? "" : " (" + c.filtri.join(';') + ')');
        return voci.join('|');
    }
    // Whether the commands that follow the command state are enabled ("1") or not, then New's two.
    QString Comandi() const {
        QString stato;
        for (const char* nome :
             {"Open", "Save", "Print", "Calcolo", "Grafico", "Tabella", "mnuFileSave", "mnuFileSaveAs",
              "mnuFilePrint", "mnuFileEsporta", "mnuFileEsportaGrafico", "New", "mnuFileNew"})
            stato += Azione(QLatin1String(nome))->isEnabled() ? '1' : '0';
        return stato;
    }
    // What a command may change: the open children (the active one marked "*"), the system, the plot's
    // points, the commands, the record, and the ticked quantities with their texts.
    QString Stato() const {
        QStringList parti;
        for (const char* nome : {"frmInserimentoDati", "FrmRisultati", "frmGrafico"})
            if (QWidget* figlia = Finestra(nome))
                parti << QLatin1String(nome) + (figlia == finestra->FinestraAttiva() ? "*" : "");
        parti << QString::number(programma.SistemaCorrente)
              << QString::number(programma.PuntiGrafico.NumeroElementi()) << Comandi();
        const Velantra& m = programma.Moto;
        for (const double v : {m.S1, m.S2, m.Stot, m.T1, m.T2, m.Ttot, m.Vm, m.Acc})
            parti << QString::number(v, 'g', 17);
        for (int i = 0; Finestra("frmInserimentoDati") && i < 8; ++i)
            if (Casella(i)->isChecked())
                parti << Casella(i)->accessibleName() + '=' + Valore(i)->text();
        return parti.join(' ');
    }
};
