#pragma once

#include <QWidget>

class LogEdit;
class PeriodTimer;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The program's only permanent window: its controls at their places with
// their initial states, and the question before it closes. It holds no work
// period logic; MainWindowBinding connects the controls to the operations.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // The client area; the window manager adds frame and title bar around it.
    static constexpr QSize clientSize {329, 489};
    // Frame and title bar included, as the window is centred on the screen.
    static constexpr QSize outerSize {335, 513};

    explicit MainWindow(QWidget *parent = nullptr);

    // The controls, named after their role; the binding and the tests use them.
    QGroupBox *const group;
    QLineEdit *const display; // 编辑框3
    QCheckBox *const reminderOption; // 选择框1
    QLabel *const minutesLabel; // 标签1
    QLineEdit *const minutesEntry; // 编辑框1
    QCheckBox *const overtimeOption; // 选择框2
    QLineEdit *const contentEntry; // 编辑框4
    QLabel *const contentLabel; // 标签2
    QPushButton *const startButton; // 按钮1
    QPushButton *const endButton; // 按钮2
    QPushButton *const pauseButton; // 按钮3
    LogEdit *const log; // 编辑框2
    QPushButton *const clearButton; // 按钮6
    QPushButton *const exportButton; // 按钮5
    QPushButton *const hiddenTestButton; // 按钮4, never shown
    PeriodTimer *const countdownTimer; // 时钟1
    PeriodTimer *const reminderTimer; // 时钟2

protected:
    void closeEvent(QCloseEvent *event) override;
};
