#pragma once
#include <QDate>
#include <QVariant>

// What the windows that load and unload lots share: the open lots of an article, their
// colours, and what is still left in a lot.
namespace vlm {

class GridTable;

// Fills the lots table (fields ID, DATA, SCADENZA, QUANTITA and, when the table has it,
// LOTTO) with the open lots of the article: QUANTITA is what is left in each.
void riempiLotti(GridTable *tb, qint64 idf);

// Colour of a lot row for a grid role: blue on yellow when the lot expires within 45
// days, yellow on red once it has expired; nothing for an empty lot.
QVariant coloreLotto(const QDate &scadenza, qint64 quantita, int role);

// What is left in the lot `idl` of the article `idf`, read from the server; -1 when the
// article has no such lot.
qint64 rimanenzaLotto(qint64 idl, qint64 idf);

// Checks an unload of `quantita` pieces from a lot before anything is written: an article,
// a lot of that article, and no more than it holds. Shows the reason and returns false
// when the unload cannot be made.
bool scaricoPossibile(qint64 idf, qint64 idl, qint64 quantita);

}  // namespace vlm
