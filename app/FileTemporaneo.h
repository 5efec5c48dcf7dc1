#pragma once

// The file a writer fills before it takes the place of the old one, unseen until then: an unnamed file
// of the folder (O_TMPFILE) where the system can make one and give it a name later, so that even a
// process killed outright leaves nothing; elsewhere a hidden ".velantra-XXXXXX", removed by the signals
// that end the program (INT, TERM, HUP) as by any failure. Every name is taken relative to the folder,
// opened once, so a path near the system's length limit needs no longer temporary one.

#include <QByteArray>

class FileTemporaneo {
public:
    // Makes the file in `cartella`, readable by its owner only until the caller says otherwise.
    explicit FileTemporaneo(const QByteArray& cartella);
    ~FileTemporaneo(); // drops the file unless Sostituisci put it in place
    FileTemporaneo(const FileTemporaneo&) = delete;
    FileTemporaneo& operator=(const FileTemporaneo&) = delete;

    // Where to write; valid when Errore() is 0.
    int Descrittore() const { return descrittore; }
    // Why the file could not be made, as the system's error number; 0 when it was.
    int Errore() const { return errore; }

    // Closes the written file and gives it the name `nome` in the folder, replacing the file there in one
    // step: a reader sees the old file or the whole new one. 0 when done, else the system's error number,
    // with the old file as it was and the new one dropped.
    int Sostituisci(const QByteArray& nome);

    // Lets INT, TERM and HUP remove the hidden file before they end the program as they would have; a
    // signal the process was started to ignore stays ignored. Called once, first thing.
    static void PreparaSegnali();

private:
    int DaiNome();
    void Prenota(const QByteArray& prova);
    void Libera();

    int cartella = -1;
    int descrittore = -1;
    int errore = 0;
    bool anonimo = false; // an O_TMPFILE not yet named
    int posto = -1;       // its place among the names a signal removes, while it has a name
    QByteArray nome;      // its hidden name, once it has one
};
