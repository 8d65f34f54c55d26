#include "about/tabout.h"

#include "shell/fixedsize.h"
#include "shell/programicon.h"
#include "shell/uifonts.h"
#include "ui_tabout.h"

#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(ProportionalFont(WindowFontPixels));
    setFixedSize(264, 165);
    // The version shown is the project's, as major.minor.patch.
    ui->Version->setText(QStringLiteral("ﾊﾞｰｼﾞｮﾝ " TINTWRIGHT_SHOWN_VERSION));
    KeepFixedSize(this);
    setModal(true);
    // An icon is drawn at its own size, never stretched to its area.
    ui->ProgramIcon->setPixmap(QPixmap::fromImage(ProgramIconImage()));
    connect(ui->OKButton, &QPushButton::clicked, this, [this] { done(OkResult); });
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::reject()
{
    // Only the close box gets here: Escape is swallowed below.
    done(CloseBoxResult);
}

void TAboutBox::setVisible(bool visible)
{
    if (visible && !std::exchange(m_placed, true))
        centreOnScreen();
    QDialog::setVisible(visible);
}

// Centres the dialog's outer frame on the screen. A position set before the
// first showing places the frame, which the window manager then draws around
// the dialog; its margins are those it gave the main window.
void TAboutBox::centreOnScreen()
{
    QMargins frame;
    if (const QWidget *owner = parentWidget(); owner && owner->window()->windowHandle())
        frame = owner->window()->windowHandle()->frameMargins();
    const QRect screen = this->screen()->geometry();
    const QSize outer = size().grownBy(frame);
    move(screen.x() + std::max((screen.width() - outer.width()) / 2, 0),
         screen.y() + std::max((screen.height() - outer.height()) / 2, 0));
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui->OKButton->setFocus();
}

void TAboutBox::keyPressEvent(QKeyEvent *event)
{
    // The dialog has no cancel button, so Escape does not close it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
