#pragma once
#include <QLineEdit>

// A text box with an edit mask written the classic way: "!99/99/0000;1;_" (0 a digit that
// must be typed, 9 a digit or blank, L a letter, l a letter or blank, A/a alphanumeric,
// C/c any character, > upper case, < lower case, ! and the fields after ';' as usual).
// text() keeps the blanks of the unfilled places: an empty date box reads "  /  /    ".
namespace vlm {

class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskEdit(QWidget *parent = nullptr);
    explicit MaskEdit(const QString &editMask, QWidget *parent = nullptr);

    void setEditMask(const QString &mask);
    QString editMask() const { return m_mask; }

    // The box's text with blanks in the unfilled places (the mask's literals included
    // when the mask saves them).
    QString text() const;
    void setText(const QString &t);
    bool isMaskEmpty() const;  // nothing typed into any place

    // The Qt input mask a classic edit mask stands for.
    static QString toQtMask(const QString &editMask, QChar *blank = nullptr, bool *saveLiterals = nullptr);

private:
    QString m_mask;
    QChar m_blank = QLatin1Char('_');
    bool m_saveLiterals = true;
};

}  // namespace vlm
