#pragma once
#include <QDialog>

class QToolButton;

// The fleet menu: driving licences, the vehicle register and the vehicle stand-bys.
class TFoAutop : public QDialog {
    Q_OBJECT
public:
    // livello: the vehicles digit of the user's access level, handed on to the licence list.
    explicit TFoAutop(int livello, QWidget *parent = nullptr);

    int livello() const { return m_livello; }

    QToolButton *Button1;  // "Patenti"
    QToolButton *Button2;  // "Mezzi"
    QToolButton *Button3;  // "Stand-by"

    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    int m_livello;
};
