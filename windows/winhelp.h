#pragma once
// Placeholder until the help window lands.
#include <QWidget>

class winHelp final : public QWidget
{
    Q_OBJECT
public:
    winHelp();
    static winHelp *instance();
};
