// Feeds a Tavorel stored property sets made from arbitrary bytes: any keys (the stored ones in
// any case, or none of them), any value types (numbers of every width, NaN, texts, fonts
// described or given as font texts, colours, lists, nothing at all). Loading such a set must
// not crash; the control must then answer every property, show and paint at its size (a
// paint's own errors go to the error reporter); and what it saves must load into a fresh
// control and save again as exactly the same set.
#include <vuzedovi/Tavorel.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <QColor>
#include <QMetaProperty>
#include <QVariantList>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

constexpr std::array<const char*, 16> storedKeys{
    "ColorStart", "ColorEnd",  "Font",         "Caption", "GradientOrientation", "TextOrientation",
    "TextAlign",  "BackColor", "Style",        "Vuzedovi", "InternetLink",       "MoveControl",
    "AutoSize",   "Text3D",    "ColorShadow",  "ForeColor"};

QString text(FuzzedDataProvider& in, size_t maxLength)
{
    return QString::fromUtf8(in.ConsumeRandomLengthString(maxLength));
}

QString key(FuzzedDataProvider& in)
{
    const uint8_t choice = in.ConsumeIntegral<uint8_t>();
    if (choice >= 0xC0)
        return text(in, 24);
    const QString stored = QString::fromLatin1(storedKeys[choice % storedKeys.size()]);
    switch (choice / storedKeys.size() % 3) {
    case 1:
        return stored.toLower();
    case 2:
        return stored.toUpper();
    default:
        return stored;
    }
}

QFont font(FuzzedDataProvider& in)
{
    QFont f(text(in, 40));
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        f.setPointSizeF(std::bit_cast<double>(in.ConsumeIntegral<uint64_t>()));
        break;
    case 1:
        f.setPixelSize(in.ConsumeIntegral<int>());
        break;
    default:
        f.setPointSize(in.ConsumeIntegralInRange(-4, 200));
        break;
    }
    f.setWeight(QFont::Weight(in.ConsumeIntegralInRange(-10, 1100)));
    f.setItalic(in.ConsumeBool());
    f.setUnderline(in.ConsumeBool());
    f.setStrikeOut(in.ConsumeBool());
    return f;
}

QVariant value(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 13)) {
    case 0:
        return in.ConsumeIntegral<int>();
    case 1:
        return in.ConsumeIntegral<uint32_t>();
    case 2:
        return qlonglong(in.ConsumeIntegral<int64_t>());
    case 3:
        return qulonglong(in.ConsumeIntegral<uint64_t>());
    case 4:
        return std::bit_cast<double>(in.ConsumeIntegral<uint64_t>());
    case 5:
        return in.ConsumeBool();
    case 6:
        return text(in, 300);
    case 7:
        return QByteArray::fromStdString(in.ConsumeRandomLengthString(64));
    case 8:
        return QVariant::fromValue(font(in));
    case 9:
        return text(in, 120); // a font text, "family,size,..." or anything else
    case 10:
        return QColor::fromRgba(in.ConsumeIntegral<uint32_t>());
    case 11:
        return QStringList{text(in, 20), text(in, 20)};
    case 12:
        return QVariantList{in.ConsumeIntegral<int>(), text(in, 20)};
    default:
        return QVariant();
    }
}

void expectSameSet(const vuzedovi::PropertyBag& a, const vuzedovi::PropertyBag& b)
{
    if (a.keys() != b.keys())
        std::abort();
    for (const QString& k : a.keys()) {
        if (a.read(k, QVariant()) != b.read(k, QVariant()))
            std::abort();
    }
}

std::unique_ptr<vuzedovi::Tavorel> control(QWidget& container, const QSize& size)
{
    auto c = std::make_unique<vuzedovi::Tavorel>(&container);
    c->resize(size);
    return c;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QApplication app(*argc, *argv);
    vuzedovi::setErrorReporter([](QWidget*, const QString&, const QString&) {});
    vuzedovi::setUrlOpener([](const QUrl&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QSize area(in.ConsumeIntegralInRange(0, 420), in.ConsumeIntegralInRange(0, 80));
    vuzedovi::PropertyBag bag;
    for (int entries = 0; entries < 48 && in.remaining_bytes() > 0; ++entries)
        bag.write(key(in), value(in));

    QWidget container;
    container.resize(area + QSize(10, 10));
    auto loaded = control(container, area);
    loaded->ReadProperties(bag);

    // Everything a host can ask, then a show and a paint as the screen would do them.
    const QMetaObject* meta = loaded->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        meta->property(i).read(loaded.get());
    container.show();
    loaded->grab();
    loaded->PaintControl();

    vuzedovi::PropertyBag saved;
    loaded->WriteProperties(saved);
    auto again = control(container, area);
    again->ReadProperties(saved);
    vuzedovi::PropertyBag savedAgain;
    again->WriteProperties(savedAgain);
    expectSameSet(saved, savedAgain);
    return 0;
}
