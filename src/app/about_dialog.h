#pragma once

#include <QDialog>

namespace velmora {

class Platform;

// The About box, shown modally from the Help menu.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);
};

} // namespace velmora
