#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

// The note shown when the desktop could not open a web address: the address in a field the
// reader can select, a button that copies it and one that closes the note. It never blocks.
class AddressNote : public QFrame {
    Q_OBJECT
public:
    explicit AddressNote(QWidget *parent = nullptr);

    void showAddress(const QString &address);
    QString address() const;

signals:
    void closed();

private:
    void copyAddress();

    QLabel *m_message = nullptr;
    QLineEdit *m_address = nullptr;
    QPushButton *m_copy = nullptr;
};
