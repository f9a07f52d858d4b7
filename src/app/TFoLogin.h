#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
namespace vlm { class MaskEdit; }

// The login dialog: user name and password, checked when the password box is left or
// Enter is pressed in it; no buttons. It hands back the user ID (0 when closed without a
// check, -1 after a failed one), the access level and the user's name.
class TFoLogin : public QDialog {
    Q_OBJECT
public:
    explicit TFoLogin(QWidget *parent = nullptr);

    qint64 userId() const { return m_id; }
    qint64 livello() const { return m_livello; }
    QString nome() const { return m_nome; }

    QLabel *Label1;
    QLabel *Label2;
    QLineEdit *Edit1;
    vlm::MaskEdit *MaskEdit1;

    // The check (MaskEdit1Exit): runs the login query and closes the dialog.
    void MaskEdit1Exit();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    qint64 m_id = 0;
    qint64 m_livello = 0;
    QString m_nome;
    bool m_checked = false;
};
