#include "ImmagineGrafico.h"

#include <QIODevice>

// Not painted yet: the graph with its details is still to come.
std::optional<QString> ScriviImmagineGrafico(QIODevice&, const QString& formato, const Programma&) {
    return QStringLiteral("il formato .%1 non è ancora disponibile").arg(formato);
}
