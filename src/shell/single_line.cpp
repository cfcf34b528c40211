#include "shell/single_line.h"

#include "core/single_line.h"

#include <QLineEdit>
#include <QValidator>

namespace Dovrel {

namespace {

// Every change of the box's text passes here before the box takes it, whatever brought it.
class SingleLineValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const SingleLineEdit kept = keepFirstLineOfInsert(input, pos);
        input = kept.text;
        pos = kept.cursor;
        return Acceptable;
    }
};

} // namespace

void keepOnOneLine(QLineEdit *box)
{
    box->setValidator(new SingleLineValidator(box));
}

} // namespace Dovrel
