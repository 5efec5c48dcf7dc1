#include "Risorse.h"

// The resources are compiled into a static library: register them before the first use.
static bool RegistraRisorse() {
    Q_INIT_RESOURCE(velantra);
    return true;
}

QString Risorsa(const QString& nome) {
    static const bool registrate = RegistraRisorse();
    Q_UNUSED(registrate);
    return QStringLiteral(":/app/%1.svg").arg(nome);
}

QIcon Icona(const QString& nome) {
    return QIcon(Risorsa(nome));
}

QString TestoVersione() {
    return QStringLiteral("Versione " VELANTRA_VERSIONE);
}
