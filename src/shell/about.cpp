#include "shell/about.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/texts.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "shell/artwork.h"

namespace arvok {

const char* const kWebAddress = "http://www.arvok.example.org/";
const char* const kMailAddress = "arvok@example.org";

namespace {

QLabel* AddLabel(QVBoxLayout* layout, const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
    return label;
}

ClickLabel* AddLink(QVBoxLayout* layout, const char* name, const QString& text,
                    const QUrl& target) {
    auto* link = new ClickLabel(nullptr, text);
    link->setObjectName(name);
    link->setAlignment(Qt::AlignHCenter);
    link->setCursor(Qt::PointingHandCursor);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    QObject::connect(link, &ClickLabel::clicked, [target] { QDesktopServices::openUrl(target); });
    layout->addWidget(link);
    return link;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* logo = new ClickLabel(this);
    logo->setObjectName("imgArvok");
    logo->setPixmap(LogoPixmap());
    logo->setAlignment(Qt::AlignHCenter);
    connect(logo, &ClickLabel::doubleClicked, this, [this] {
        DedicationDialog dedication(this);
        dedication.exec();
    });
    layout->addWidget(logo);

    auto* nameLine = new QHBoxLayout;
    nameLine->addStretch();
    auto* label1 = new QLabel("Arvok -");
    label1->setObjectName("Label1");
    nameLine->addWidget(label1);
    auto* version = new QLabel("version");
    version->setObjectName("lblVersion");
    nameLine->addWidget(version);
    nameLine->addStretch();
    layout->addLayout(nameLine);
    AddLabel(layout, "Label2", "The Definitive MultiFrontend for Emulators");

    QLabel* latest = AddLabel(layout, "lblLatestFiles", {});
    AddLink(layout, "lblArvokWeb", kWebAddress, QUrl(kWebAddress));
    QLabel* request = AddLabel(layout, "lblInfoRequest", {});
    AddLink(layout, "lblEMailMe", kMailAddress, QUrl(QString("mailto:") + kMailAddress));

    auto* ok = new QPushButton("Close");
    ok->setObjectName("cmdOk");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    latest->setText(FromAnsi(texts::testoLatestFiles));
    request->setText(FromAnsi(texts::testoInfoRequest));
    setWindowTitle(FromAnsi("Arvok - " + texts::VERSION));
    version->setText(FromAnsi(texts::VERSION));
    // Shrinking the box never cuts its logo or its texts.
    setMinimumSize(sizeHint());
}

DedicationDialog::DedicationDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmDedicated");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel;
    picture->setPixmap(LogoPixmap());
    picture->setAlignment(Qt::AlignHCenter);
    layout->addWidget(picture);
    AddLabel(layout, "lblDedication1", "This program is dedicated");
    AddLabel(layout, "lblDedication2",
             "to everyone who keeps the old arcade machines alive and playing.");
    auto* close = new QPushButton("Thanks");
    close->setObjectName("cmdBarTorvo");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    setWindowTitle(FromAnsi(texts::Title()));
}

} // namespace arvok
