#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
namespace vlm { class DropDownBox; class MaskEdit; }

// One qualification of one person: its type (a description of list A), exam date, place,
// certificate number and expiry. Opened by the volunteer record with the person's key and
// the qualification's key (0 for a new one); stays open after "Salva".
class TFoTitoli : public QDialog {
    Q_OBJECT
public:
    explicit TFoTitoli(QWidget *parent = nullptr);

    // Creates the dialog for this person and qualification (0 = a new one), shows it
    // modally and destroys it when it closes. The caller reloads its lists afterwards.
    static void openFor(QWidget *parent, qint64 idVolontario, qint64 idTitolo);
    // Deletes a qualification listed by the view Titolic when it is a row of Titoli (kind
    // "T"); a row of another kind is left alone. True when a row was deleted.
    static bool deleteQualification(const QString &tip, qint64 id);

    void setVolontario(qint64 idv) { m_idv = idv; }
    qint64 volontario() const { return m_idv; }
    void setId(qint64 id) { m_id = id; }
    qint64 id() const { return m_id; }  // the qualification written by "Salva", 0 before a new one is saved

    vlm::DropDownBox *Cb1;   // "Titolo"
    vlm::MaskEdit *Me1;      // "Data Esame"
    QLineEdit *Edit1;        // "Luogo"
    QLineEdit *Edit2;        // "Num. Attestato"
    vlm::MaskEdit *Me2;      // "Scadenza"
    QPushButton *Button1;    // "Salva"

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent *e) override;

private:
    qint64 m_idv = 0;
    qint64 m_id = 0;
};
