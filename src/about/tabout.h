#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutBox;
}

// The About dialog: the program's picture, name, version, rights line and a
// one-line description. It is created once, hidden, and shown modally by
// Help -> About; OK (or Enter) closes it with result 1, the close box with
// result 2, and Escape does nothing. The first showing centres its outer
// frame on the screen; later showings leave it where the user left it. Given
// the main window as its parent, it is a dialog of that window: it stays
// above it and is minimised and restored with it.
class TAboutBox final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int OkResult = 1;
    static constexpr int CloseBoxResult = 2;

    explicit TAboutBox(QWidget *parent = nullptr);
    ~TAboutBox() override;

    void reject() override;
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void centreOnScreen();

    std::unique_ptr<Ui::TAboutBox> ui;
    bool m_placed = false;
};
