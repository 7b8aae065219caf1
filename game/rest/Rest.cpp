#include "Rest.h"

const std::array<RestActivity, 5> restActivities{{
    {"Label1", "Просмотр телепередач", 35, 10, "Настроение + 10 %    -    35 р.",
     "Настроение повысилось на 10 %>"},
    {"Label2", "Посетить парк", 50, 20, "Настроение + 20 %    -    50 р.",
     "Настроение повысилось на 20 %>"},
    {"Label3", "Посетить кафе", 80, 30, "Настроение + 30 %    -    80 р.",
     "Настроение повысилось на 30 %>"},
    {"Label4", "Посетить компьютерный клуб", 150, 50, "Настроение + 50 %    -    150 р.",
     "Настроение повысилось на 50 %>"},
    {"Label5", "Посетить дорогой ресторан", 270, 100, "Настроение + 100 %    -    270 р.",
     "Настроение повысилось до 100 %>"},
}};

const RestActivity* restActivityNamed(const QString& label)
{
    for (const RestActivity& a : restActivities) {
        if (label == QLatin1String(a.label))
            return &a;
    }
    return nullptr;
}

float moodAfterRest(float mood, int16_t gain)
{
    // The dearest activity fills the mood up whatever it was.
    if (gain >= FullMood)
        return FullMood;
    return mood <= FullMood - gain ? mood + gain : FullMood;
}

Message chooseRestActivity(GameState& g, const RestActivity& activity)
{
    const Currency price = Currency::fromRoubles(activity.price);
    if (g.money < price)
        return Message::plain(QStringLiteral("Не хватает денег!"));
    g.mood = moodAfterRest(g.mood, activity.gain);
    g.money -= price;
    return Message::plain(QString::fromUtf8(activity.message));
}
