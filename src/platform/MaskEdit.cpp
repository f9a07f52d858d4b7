#include "platform/MaskEdit.h"

#include <QRegularExpression>

namespace vlm {

MaskEdit::MaskEdit(QWidget *parent) : QLineEdit(parent) {}

MaskEdit::MaskEdit(const QString &editMask, QWidget *parent) : QLineEdit(parent) { setEditMask(editMask); }

QString MaskEdit::toQtMask(const QString &editMask, QChar *blank, bool *saveLiterals)
{
    const QStringList parts = editMask.split(QLatin1Char(';'));
    const QString m = parts.value(0);
    if (saveLiterals) *saveLiterals = parts.size() < 2 || parts[1].trimmed() != QLatin1String("0");
    const QChar b = parts.size() >= 3 && !parts[2].isEmpty() ? parts[2][0] : QLatin1Char('_');
    if (blank) *blank = b;
    QString out;
    for (int i = 0; i < m.size(); ++i) {
        const QChar c = m[i];
        switch (c.unicode()) {
        case '!': break;                       // leading blanks dropped: no Qt meaning
        case '0': out += QLatin1Char('9'); break;  // digit required
        case '9': out += QLatin1Char('0'); break;  // digit or blank
        case '#': out += QLatin1Char('#'); break;
        case 'L': out += QLatin1Char('A'); break;  // letter required
        case 'l': out += QLatin1Char('a'); break;
        case 'A': out += QLatin1Char('N'); break;  // alphanumeric required
        case 'a': out += QLatin1Char('n'); break;
        case 'C': out += QLatin1Char('X'); break;  // any character required
        case 'c': out += QLatin1Char('x'); break;
        case '>': out += QLatin1Char('>'); break;
        case '<':
            if (i + 1 < m.size() && m[i + 1] == QLatin1Char('>')) { out += QLatin1Char('!'); ++i; }
            else out += QLatin1Char('<');
            break;
        case '\\':
            if (i + 1 < m.size()) { out += QLatin1Char('\\'); out += m[++i]; }
            break;
        default:
            // A literal: escape the characters that have a meaning in Qt masks.
            if (QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{}").contains(c)) out += QLatin1Char('\\');
            out += c;
        }
    }
    if (!out.isEmpty()) out += QLatin1Char(';') + QString(b);
    return out;
}

void MaskEdit::setEditMask(const QString &mask)
{
    m_mask = mask;
    setInputMask(toQtMask(mask, &m_blank, &m_saveLiterals));
}

QString MaskEdit::text() const
{
    if (m_mask.isEmpty()) return QLineEdit::text();
    QString t = displayText();
    t.replace(m_blank, QLatin1Char(' '));
    if (!m_saveLiterals) {
        // Only the typed places, without the literals.
        const QString qm = inputMask().section(QLatin1Char(';'), 0, 0);
        QString out;
        int pos = 0;
        for (int i = 0; i < qm.size() && pos < t.size(); ++i) {
            const QChar c = qm[i];
            if (c == QLatin1Char('>') || c == QLatin1Char('<') || c == QLatin1Char('!')) continue;
            if (c == QLatin1Char('\\')) { ++i; ++pos; continue; }
            if (QStringLiteral("AaNnXx90Dd#HhBb").contains(c)) out += t[pos];
            ++pos;
        }
        return out;
    }
    return t;
}

void MaskEdit::setText(const QString &t)
{
    // A blank in the text is an empty place of the mask, as it reads back from text().
    if (m_mask.isEmpty() || m_blank == QLatin1Char(' ')) {
        QLineEdit::setText(t);
        return;
    }
    QString s = t;
    s.replace(QLatin1Char(' '), m_blank);
    QLineEdit::setText(s);
}

bool MaskEdit::isMaskEmpty() const { return QLineEdit::text().remove(QRegularExpression(QStringLiteral("[^\\w]"))).isEmpty(); }

}  // namespace vlm
