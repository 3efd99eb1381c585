#pragma once
// Placeholder until the About window lands.
#include <QWidget>

class AboutWindow final : public QWidget
{
    Q_OBJECT
public:
    AboutWindow();
    static AboutWindow *instance();
    void Show(bool useCredits);
};
