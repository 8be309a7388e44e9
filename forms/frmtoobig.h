#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmTooBig;
}

// The Preview window: the preview picture at its natural size and a Close
// button. The main window builds a new one for every opening and shows it
// modally over itself; nothing goes in or comes out.
class FrmTooBig : public QDialog
{
    Q_OBJECT

public:
    explicit FrmTooBig(QWidget *owner);
    ~FrmTooBig() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void cmdClose_Click();

    std::unique_ptr<Ui::frmTooBig> ui;
};
