#include "app/TFoLogin.h"

#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TFoLogin::TFoLogin(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoLogin"));
    setWindowTitle(QStringLiteral("Login"));
    setFixedSize(260, 110);

    Label1 = new QLabel(QStringLiteral("Utente "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 20, 70, 21);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(96, 18, 145, 24);

    Label2 = new QLabel(QStringLiteral("Password"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 60, 70, 21);
    MaskEdit1 = new vlm::MaskEdit(this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(96, 58, 145, 24);
    MaskEdit1->setEchoMode(QLineEdit::Password);
    MaskEdit1->installEventFilter(this);

    Edit1->setFocus();
}

bool TFoLogin::eventFilter(QObject *o, QEvent *e)
{
    if (o == MaskEdit1 && !m_checked) {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                vlm::guard([this] { MaskEdit1Exit(); });
                return true;
            }
        } else if (e->type() == QEvent::FocusOut) {
            // Leaving the box for another control checks; the window losing the focus
            // (closing, a message box) does not.
            const Qt::FocusReason r = static_cast<QFocusEvent *>(e)->reason();
            if (r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason
                || r == Qt::ShortcutFocusReason || r == Qt::OtherFocusReason)
                vlm::guard([this] { MaskEdit1Exit(); });
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFoLogin::MaskEdit1Exit()
{
    if (m_checked) return;
    m_checked = true;
    // Whatever happens below, the dialog closes once the check has run.
    struct Closer {
        TFoLogin *d;
        ~Closer() { d->accept(); }
    } closer{this};

    vlm::Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("select password,ID,LivelloF+(LivelloM*10)+(LivelloS*100)+(LivelloV*1000)+(LivelloA*10000)+(LivelloP*100000) Livello,Nome from volontari where UPPER(utente)=UPPER(:UTT)"));
    q.bindText(QStringLiteral("UTT"), Edit1->text().trimmed());
    try {
        q.open();
    } catch (...) {
        vlm::disconnect(QStringLiteral("DB"));
        m_id = -1;
        throw;
    }
    if (q.isEmpty()) {
        q.close();
        vlm::messageBox(QStringLiteral("Errore"), QStringLiteral("Utente non riconosciuto"), QMessageBox::Critical);
        vlm::disconnect(QStringLiteral("DB"));
        m_id = -1;
        return;
    }
    if (q.str(QStringLiteral("password")).trimmed() == MaskEdit1->text().trimmed()) {
        m_id = q.integer(QStringLiteral("ID"));
        m_livello = q.integer(QStringLiteral("Livello"));
        m_nome = q.str(QStringLiteral("Nome"));
        q.close();
        vlm::disconnect(QStringLiteral("DB"));
    } else {
        q.close();
        vlm::disconnect(QStringLiteral("DB"));
        vlm::messageBox(QStringLiteral("Errore"), QStringLiteral("Password non riconosciuta"), QMessageBox::Critical);
        m_id = -1;
    }
}
