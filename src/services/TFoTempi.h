#pragma once
#include <QDialog>

class QLabel;
namespace vlm { class MaskEdit; }

// The recorded timings of a service, shown only: the phases are written by others.
class TFoTempi : public QDialog {
    Q_OBJECT
public:
    explicit TFoTempi(QWidget *parent = nullptr);

    // The service whose timings are shown and the number written in the title.
    void setServizio(qint64 id, const QString &numero);
    qint64 id() const { return m_id; }

    QLabel *Label1, *Label2;
    vlm::MaskEdit *MaskEdit1, *MaskEdit2, *MaskEdit3, *MaskEdit4, *MaskEdit5, *MaskEdit6;

    void FormShow();

protected:
    void showEvent(QShowEvent *e) override;

private:
    qint64 m_id = 0;
};
