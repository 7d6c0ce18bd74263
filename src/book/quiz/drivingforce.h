#pragma once

#include "book/quiz/questionnaire.h"

#include <QVector>

// The career driving-force test: 36 pairs of statements, each pair sharing 3 points between two
// coupled score boxes. Finish adds each driver's points. Widget-free; boxes are known by name.
class DrivingForceTest : public IPageTest {
public:
    static constexpr int kPairs = 36;
    static constexpr int kBoxes = 2 * kPairs;
    static constexpr char kDrivers[] = "ABCDEFGHI";
    // The longest whole number a box can read ("-2147483648"); a box holds no more, so that a
    // long paste raises one error box, not one per character.
    static constexpr int kMaxTextLength = 11;

    struct Box {
        char driver;       // 'A'..'I'
        int pair;          // 1..36
        bool first;        // first statement of its pair
        QString name;      // cmb + driver + ordinal among that driver's statements
    };

    explicit DrivingForceTest(QString incomplete);

    const Box &box(int index) const { return m_boxes[index]; }
    static int partnerOf(int index) { return index ^ 1; }

    QString text(int index) const { return m_texts[index]; }
    // 0..3 when the text is one of the item labels, else -1.
    int value(int index) const;

    // The reader picked an item or edited the text of a box.
    void readerChanged(int index, const QString &text, IQuestionnaireView &view);
    // A kept text put back as it was: a program write, the partner left as it is.
    void putBack(int index, const QString &text, IQuestionnaireView &view)
    {
        if (index >= 0 && index < kBoxes)
            write(index, text, view);
    }

    void Finish(IQuestionnaireView &view) override;
    void Reset(IQuestionnaireView &view) override;
    // A pair counts as done when both of its boxes hold a value.
    int itemCount() const override { return kPairs; }
    QVector<int> unansweredItems() const override;

    static QString totalField(char driver) { return QStringLiteral("Edit_") + QChar(driver).toLower(); }

private:
    void write(int index, const QString &text, IQuestionnaireView &view);

    QVector<Box> m_boxes;
    QVector<QString> m_texts;
    QString m_incomplete;
};
