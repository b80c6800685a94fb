#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace morvane {

// The strip under the file list: the batch mode, and the destination folder
// for a copy or move. The destination is enabled whenever the mode needs it,
// whether the user, a preset or the command line chose the mode.
class OperationPanel : public QWidget {
    Q_OBJECT
public:
    explicit OperationPanel(QWidget *parent = nullptr);

    QComboBox *batchModeCombo() const { return m_batchModeCombo; }
    QLineEdit *destinationEdit() const { return m_destinationEdit; }

signals:
    // The "..." beside the destination was clicked.
    void destinationFolderRequested();

private:
    void enableDestinationForMode();

    QComboBox *m_batchModeCombo;
    QLabel *m_destinationLabel;
    QLineEdit *m_destinationEdit;
    QPushButton *m_destinationButton;
};

} // namespace morvane
