#include "ui/widgets/addressnote.h"

#include "book/texts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString noteText(const char *key)
{
    return TextData::text(QStringLiteral(":/data/app.txt"), QLatin1String(key));
}

} // namespace

AddressNote::AddressNote(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("AddressNote"));
    m_message = new QLabel(this);
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("AddressField"));
    m_address->setReadOnly(true);
    m_address->setAccessibleName(noteText("webnote"));
    m_message->setBuddy(m_address);
    m_copy = new QPushButton(noteText("webnote.copy"), this);
    m_copy->setObjectName(QStringLiteral("CopyAddress"));
    auto *close = new QPushButton(noteText("webnote.close"), this);
    close->setObjectName(QStringLiteral("CloseAddressNote"));

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(m_message);
    row->addWidget(m_address, 1);
    row->addWidget(m_copy);
    row->addWidget(close);

    connect(m_copy, &QPushButton::clicked, this, &AddressNote::copyAddress);
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        emit closed();
    });
}

void AddressNote::showAddress(const QString &address)
{
    m_message->setText(noteText("webnote"));
    m_address->setText(address);
    m_address->setCursorPosition(0);
    show();
}

QString AddressNote::address() const
{
    return m_address->text();
}

void AddressNote::copyAddress()
{
    QGuiApplication::clipboard()->setText(m_address->text());
    m_message->setText(noteText("webnote.copied"));
}
