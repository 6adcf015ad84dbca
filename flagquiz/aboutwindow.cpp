#include "aboutwindow.h"

#include "fonts.h"

#include <QLabel>

namespace korventa {

Form3::Form3(Form1* main)
    : InfoWindow(main, {"Form3", u"О программе", 7305, 6825, QRect(240, 6120, 1575, 495), 501,
                        QPoint(5160, 6000)})
{
    Label1 = addTextLabel("Label1", 120, 120, 6975, 1935);
    Label2 = addTextLabel("Label2", 120, 2160, 6975, 1695);
    Label3 = addTextLabel("Label3", 120, 3960, 6975, 1215);
    // The literature line is the label's own caption; the load step leaves it alone.
    Label3->setText(QStringLiteral("Использована литература: школьный учебник информатики, "
                                   "раздел «Кодирование информации», и справочник по "
                                   "военно-морскому флажному своду сигналов."));
    Form_Load();
}

void Form3::Form_Load()
{
    Label2->setText(QStringLiteral("Программа сделана в школьном кружке информатики как пособие к "
                                   "урокам о кодировании информации. Её можно свободно "
                                   "копировать и показывать на уроках."));
    Label1->setText(QStringLiteral(
        "Особо остро стояла проблема передачи информации на море, между кораблями и "
        "сушей,особенно в период военных действий. Одним из способов передачи информации "
        "служила флажковая азбука. Ведь правы были древние, говоря: 'Кто владеет "
        "информацией, тот владеет миром'"));
    // The fallback face is wider than the original: keep the whole text inside.
    common::fitCaption(Label1);
}

} // namespace korventa
