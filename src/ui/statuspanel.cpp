#include "statuspanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "fixedfigures.h"
#include "game/courses.h"
#include "opaquevalues.h"

namespace brankor::ui {
namespace {

/// One captioned field of a frame.
struct Row {
    const char* field;
    const char* caption;                ///< nullptr: the field stands alone
    const char* fieldHover;             ///< tooltip of the field
    const char* captionHover;           ///< tooltip of the caption
    const char* captionName = nullptr;  ///< object name of a caption the rules address
};

constexpr Row kPersonal[] = {
    {"lblMoney", "Деньги:", "Ваше состояние.", "Ваше состояние."},
    {"lblStatus", "Статус:", "Ваше умение работать с компьютером.",
     "Ваше умение работать с компьютером."},
    {"lblSWork", "Работа:", "Ваша работа.", "Ваша работа."},
    {"lblHappyness", "Настроение:", "Чем больше это число, тем лучше.",
     "Ваше настроение. Чем больше число, тем лучше."},
    {"lblHungry", "Сытость:", "Чем больше это число, тем лучше.", "Сыты вы или нет."},
    {"lblEduncation", "Образование:", "Ваше школьное образование.", "Ваше школьное образование."},
    {"lblEnglish", "Англ. яз.:", "Ваше знание английского языка.",
     "Ваше знание английского языка."},
};

constexpr Row kLiving[] = {
    {"lblClothes", "Ваша одежда:", "Ваша одежда", "Ваша одежда"},
    {"lblCar", "Машина:", nullptr, nullptr},
    {"lblRoom", "Кол.комнат:", "Количество в вашей квартире", "Количество в вашей квартире"},
    {"lblSMebel", "Мебель:", "Мебель в вашей квартире", "Мебель в вашей квартире"},
    {"lblKitchen", "Кухня:", "Кухня", "Кухня"},
    {"lblBath", "Ванная:", "Ванная", "Ванная"},
};

constexpr Row kComputer[] = {
    {"lblMonitor", "Монитор:", nullptr, nullptr},
    {"lblPrinter", "Принтер:", nullptr, nullptr},
    {"lblSkaner", "Сканер:", nullptr, nullptr},
    {"lblModem", "Модем:", nullptr, nullptr},
};

constexpr Row kComputerInside[] = {
    {"lblComp", "Процессор:", nullptr, nullptr},
    {"lblVinchester", "Винчестер:", nullptr, nullptr},
    {"lblCDROM", "CD-Rom:", nullptr, nullptr},
    {"lblVideoKarta", "Видео карта:", nullptr, nullptr},
    {"lblSoundKarta", "Звук. карта:", nullptr, nullptr},
    {"lblRAM", "Память RAM:", nullptr, nullptr},
};

constexpr Row kPrograms[] = {
    {"lblSystem", "Система:", nullptr, nullptr},
    {"lblProgram", "Прог-ование:", nullptr, nullptr},
    {"lblGraph", "Графика:", nullptr, nullptr},
    {"lblAntvirus", "Антивирус:", nullptr, nullptr},
};

constexpr Row kInternet[] = {{"lblVichod", "Выход:", nullptr, nullptr}};

constexpr Row kWork[] = {
    {"lblMyWork", nullptr, nullptr, nullptr},
    {"lblWorkEarn", "Зарплата:", nullptr, nullptr},
};

QLabel* caption(const QString& text, const QString& name, const char* hover) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setProperty("role", "caption");
    if (hover) label->setToolTip(QString::fromUtf8(hover));
    return label;
}

}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("statusPanel"));

    auto addField = [this](const Row& row) {
        auto* value = new QLabel;
        value->setObjectName(QString::fromUtf8(row.field));
        value->setProperty("role", "value");
        value->setTextFormat(Qt::PlainText);
        if (row.fieldHover) {
            value->setToolTip(QString::fromUtf8(row.fieldHover));
            value->setAccessibleDescription(value->toolTip());
            m_hover.insert(value, value->toolTip());
        }
        m_fields.insert(value->objectName(), value);
        return value;
    };
    auto frame = [&](const QString& title, const QString& name, auto& rows) {
        auto* box = new QGroupBox(title);
        box->setObjectName(name);
        box->setAccessibleName(title);  // a frame inside a frame is heard by its own title
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(1, 1);
        grid->setHorizontalSpacing(10);
        int line = 0;
        for (const Row& row : rows) {
            QLabel* value = addField(row);
            if (row.caption) {
                const QString capName = row.captionName
                                            ? QString::fromUtf8(row.captionName)
                                            : QStringLiteral("cap_%1").arg(value->objectName());
                QLabel* cap = caption(QString::fromUtf8(row.caption), capName, row.captionHover);
                cap->setBuddy(value);
                m_spokenCaption.insert(value, cap->text());
                grid->addWidget(cap, line, 0);
                grid->addWidget(value, line, 1);
            } else {
                m_spokenCaption.insert(value, title + QLatin1Char(':'));
                grid->addWidget(value, line, 0, 1, 2);
            }
            ++line;
        }
        return box;
    };

    // Date and time strip.
    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("fraClock"));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 0, 4, 0);
    stripLayout->setSpacing(2);
    QLabel* dateCaption = caption(QStringLiteral("Дата:"), QStringLiteral("cap_lblDay"), nullptr);
    stripLayout->addWidget(dateCaption);
    const std::pair<const char*, QString> dateParts[] = {{"lblDay", QStringLiteral("День:")},
                                                         {"/", {}},
                                                         {"lblMonth", QStringLiteral("Месяц:")},
                                                         {"/", {}},
                                                         {"lblYear", QStringLiteral("Год:")}};
    for (const auto& [name, spoken] : dateParts) {
        if (name[0] == '/') {
            stripLayout->addWidget(new QLabel(QStringLiteral("/")));
        } else {
            QLabel* value = addField({name, nullptr, nullptr, nullptr});
            if (!dateCaption->buddy()) dateCaption->setBuddy(value);
            m_spokenCaption.insert(value, spoken);
            fixFigures(*value, QStringLiteral("0000"));
            value->setAlignment(Qt::AlignCenter);
            stripLayout->addWidget(value);
        }
    }
    stripLayout->addSpacing(28);
    QLabel* timeCaption =
        caption(QStringLiteral("Время:"), QStringLiteral("cap_lblHours"), nullptr);
    stripLayout->addWidget(timeCaption);
    QLabel* hours = addField({"lblHours", nullptr, nullptr, nullptr});
    timeCaption->setBuddy(hours);
    m_spokenCaption.insert(hours, timeCaption->text());
    fixFigures(*hours, QStringLiteral("000"));
    hours->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    stripLayout->addWidget(hours);
    stripLayout->addWidget(new QLabel(QStringLiteral(":00")));
    stripLayout->addStretch(1);

    auto* personal =
        frame(QStringLiteral("Личный статус"), QStringLiteral("fraPersonal"), kPersonal);
    auto* living = frame(QStringLiteral("Житие мое"), QStringLiteral("fraLiving"), kLiving);

    auto* computer = frame(QStringLiteral("Компьютер"), QStringLiteral("fraComputer"), kComputer);
    auto* inside =
        frame(QStringLiteral("Подробнее"), QStringLiteral("fraDetails"), kComputerInside);
    static_cast<QGridLayout*>(computer->layout())->addWidget(inside, 4, 0, 1, 2);

    auto* programs = frame(QStringLiteral("Прграммы"), QStringLiteral("fraPrograms"), kPrograms);
    auto* internet = frame(QStringLiteral("Интернет"), QStringLiteral("fraInternet"), kInternet);
    auto* work = frame(QStringLiteral("Работа"), QStringLiteral("fraWork"), kWork);

    auto* study = new QGroupBox(QStringLiteral("Учеба"));
    study->setObjectName(QStringLiteral("fraStudy"));
    auto* studyLayout = new QHBoxLayout(study);
    for (const Course& course : courses()) {
        const Row enrolment{course.enrolmentName, nullptr, nullptr, nullptr};
        const Row feeRow{course.feeName, "Стоимость:", nullptr, nullptr, course.feeCaptionName};
        auto* box = new QGroupBox(QString::fromUtf8(course.frameTitle));
        box->setAccessibleName(box->title());
        box->setObjectName(QString::fromUtf8(course.frameName) + QStringLiteral("Course"));
        auto* grid = new QGridLayout(box);
        grid->addWidget(addField(enrolment), 0, 0, 1, 2);
        QLabel* feeCaption = caption(QString::fromUtf8(feeRow.caption),
                                     QString::fromUtf8(feeRow.captionName), nullptr);
        QLabel* fee = addField(feeRow);
        feeCaption->setBuddy(fee);
        const QString courseName = QString::fromUtf8(course.frameTitle);
        m_spokenCaption.insert(fee, courseName + QStringLiteral(", ") + feeCaption->text());
        m_spokenCaption.insert(m_fields.value(QString::fromUtf8(enrolment.field)),
                               courseName + QLatin1Char(':'));
        grid->addWidget(feeCaption, 1, 0);
        grid->addWidget(fee, 1, 1);
        grid->setColumnStretch(1, 1);
        m_hideable.insert(feeCaption->objectName(), feeCaption);
        m_hideable.insert(fee->objectName(), fee);
        studyLayout->addWidget(box);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(programs);
    right->addWidget(internet);
    right->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setSpacing(8);
    grid->addWidget(strip, 0, 0, 1, 2);
    grid->addWidget(personal, 1, 0);
    grid->addWidget(living, 1, 1);
    grid->addWidget(computer, 2, 0);
    grid->addLayout(right, 2, 1);
    grid->addWidget(work, 3, 0);
    grid->addWidget(study, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    paintValuesOpaque(*this);
}

void StatusPanel::nameValue(QLabel& value) {
    const auto spoken = m_spokenCaption.constFind(&value);
    if (spoken == m_spokenCaption.cend()) return;
    const QString name = *spoken + QLatin1Char(' ') + value.text();
    if (value.accessibleName() != name) value.setAccessibleName(name);
}

void StatusPanel::showDanger(const char* field, const Danger& danger) {
    QLabel* value = m_fields.value(QString::fromUtf8(field));
    if (!value) return;
    static const QString kStyles[] = {QString(), QStringLiteral("color: #9a5800;"),
                                      QStringLiteral("color: #c62828;")};
    const QString& style = kStyles[static_cast<int>(danger.level)];
    if (value->styleSheet() != style) value->setStyleSheet(style);
    QString hover = m_hover.value(value);
    if (!danger.deathLine.empty())
        hover += QLatin1Char('\n') + QString::fromStdString(danger.deathLine);
    if (value->toolTip() != hover) {
        value->setToolTip(hover);
        value->setAccessibleDescription(hover);
    }
}

void StatusPanel::sync(const GameState& state) {
    if (m_shown.empty()) {
        for (const Field& field : fields()) {
            QLabel* label = m_fields.value(
                QString::fromUtf8(field.name.data(), static_cast<int>(field.name.size())));
            if (!label) continue;
            m_shown.push_back({field.member, label, label->text().toStdString()});
            nameValue(*label);
        }
    }
    for (Shown& shown : m_shown) {
        const std::string& text = state.*(shown.member);
        if (text == shown.text) continue;
        shown.text = text;
        shown.label->setText(QString::fromStdString(text));
        nameValue(*shown.label);
    }
    showDanger("lblHungry", hungerDanger(state));
    showDanger("lblHappyness", moodDanger(state));
    for (auto it = m_hideable.begin(); it != m_hideable.end(); ++it) {
        const bool hidden = state.hiddenControls.count(it.key().toStdString()) != 0;
        if (it.value()->isHidden() != hidden) it.value()->setHidden(hidden);
    }
}

}  // namespace brankor::ui
