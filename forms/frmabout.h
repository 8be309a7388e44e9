#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}
namespace core {
class Shell;
}

// The About window: title, version, credits, two links, a description and
// OK. The main window builds a new one for every opening and shows it
// modally over itself.
//
// The links underline themselves by the pointer's moves alone: every move
// over a surface sets both underlines again (Label4_MouseMove and friends),
// with no memory and no reaction to the pointer leaving. A move reaches
// Form_MouseMove only from the bare client area: the labels with handlers
// keep their moves, and the widgets without one neither track the mouse nor
// pass a move on. A click on a link hands its target to the desktop shell
// (core::Shell); the window stays open.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    FrmAbout(QWidget *owner, core::Shell &shell);
    ~FrmAbout() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void Label4_Click();
    void Label5_Click();
    void Label4_MouseMove();
    void Label5_MouseMove();
    void Form_MouseMove();
    void Label1_MouseMove();
    void Label2_MouseMove();
    void label3_MouseMove();

    void useReadableColours();
    void underlineLinks(bool label4, bool label5);
    void openLink(const QString &target);

    std::unique_ptr<Ui::frmAbout> ui;
    core::Shell &m_shell;
};
