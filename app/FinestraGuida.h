#pragma once

// The help: the document "VELANTRA.HLP" (HTML inside), shown in a window of its own with the document
// on the right and, on the left, its topics under a keyword search field. Esc and Ctrl+W close it.

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;

inline const QString NomeFileGuida = QStringLiteral("VELANTRA.HLP");

// Where the document is looked for, first to last: beside the executable, then where the installation
// puts it.
QStringList PercorsiGuida();

struct Guida {
    QString percorso; // empty when no document was found
    QString html;
    QString errore; // a found document that could not be read: the message for the user
};
Guida LeggiGuida(const QStringList& percorsi);

class FinestraGuida : public QWidget {
    Q_OBJECT
public:
    explicit FinestraGuida(QWidget* parent = nullptr);

    void Carica(const QString& html);
    // At the contents page, the search emptied.
    void MostraSommario();
    // With the search field empty, every topic listed and the cursor in the field.
    void MostraRicerca();

private:
    void Filtra(const QString& parola);
    void Apri(QListWidgetItem* voce);
    void Cerca();
    void ElencaArgomenti();

    QLineEdit* ricerca;
    QListWidget* argomenti;
    QLabel* esito;
    QTextBrowser* testo;
};
