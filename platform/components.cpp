#include <vok/Vok_components.h>

#include <QMetaProperty>

#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

namespace vok {

TComponentCore::TComponentCore(QObject* Self, QObject* Owner)
    : FSelf(Self)
{
    if (const auto* OwnerCore = dynamic_cast<const TComponentCore*>(Owner); OwnerCore && OwnerCore->IsDesigning())
        FState |= csDesigning;
}

TComponentCore::~TComponentCore() = default;

void TComponentCore::SetDesigning(bool Value)
{
    FState.setFlag(csDesigning, Value);
    for (QObject* Child : FSelf->findChildren<QObject*>(Qt::FindDirectChildrenOnly)) {
        if (auto* Core = dynamic_cast<TComponentCore*>(Child))
            Core->SetDesigning(Value);
    }
}

void TComponentCore::BeginLoading() { FState |= csLoading; }

void TComponentCore::Loaded() { FState &= ~TComponentState(csLoading); }

namespace {
[[noreturn]] void RaiseAssignError(const QObject* Source, const QObject* Dest)
{
    const QString From = Source ? ComponentClassName(Source) : QStringLiteral("nil");
    throw EVOKError(QStringLiteral("Cannot assign a %1 to a %2").arg(From, ComponentClassName(Dest)));
}
} // namespace

void TComponentCore::Assign(QObject* Source)
{
    if (auto* SourceCore = dynamic_cast<TComponentCore*>(Source)) {
        SourceCore->AssignTo(FSelf);
        return;
    }
    RaiseAssignError(Source, FSelf);
}

void TComponentCore::AssignTo(QObject* Dest) { RaiseAssignError(FSelf, Dest); }

bool TComponentCore::AssignToKindOf(QObject* Dest)
{
    auto* DestCore = dynamic_cast<TComponentCore*>(Dest);
    if (!DestCore || !FSelf->metaObject()->inherits(Dest->metaObject()))
        return false;
    if (FAssigningTo)
        RaiseAssignError(FSelf, Dest);
    FAssigningTo = true;
    try {
        DestCore->Assign(FSelf);
    } catch (...) {
        FAssigningTo = false;
        throw;
    }
    FAssigningTo = false;
    return true;
}

QString ComponentClassName(const QObject* Object)
{
    // The dynamic type, so that classes without their own meta-object are named too.
    int Status = 0;
    char* Demangled = abi::__cxa_demangle(typeid(*Object).name(), nullptr, nullptr, &Status);
    const QString Name = QString::fromLatin1(Status == 0 && Demangled ? Demangled : Object->metaObject()->className());
    std::free(Demangled);
    const qsizetype Colons = Name.lastIndexOf(QLatin1String("::"));
    return Colons < 0 ? Name : Name.mid(Colons + 2);
}

TComponent::TComponent(QObject* AOwner)
    : QObject(AOwner)
    , TComponentCore(this, AOwner)
{
}

void LoadComponentProperties(QObject* Component, const QVariantMap& Properties)
{
    auto* Core = dynamic_cast<TComponentCore*>(Component);
    if (!Core)
        throw EVOKError(QStringLiteral("Cannot load properties into a non-component"));
    const QMetaObject* Meta = Component->metaObject();
    QList<std::pair<QMetaProperty, QVariant>> Values;
    for (auto It = Properties.begin(); It != Properties.end(); ++It) {
        const int Index = Meta->indexOfProperty(It.key().toLatin1().constData());
        if (Index < 0 || !Meta->property(Index).isWritable())
            throw EVOKError(QStringLiteral("Property %1 does not exist").arg(It.key()));
        const QMetaProperty Property = Meta->property(Index);
        QVariant Value = It.value();
        if (!Value.convert(Property.metaType()))
            throw EVOKError(QStringLiteral("Invalid property value for %1").arg(It.key()));
        Values.append({Property, Value});
    }
    Core->BeginLoading();
    try {
        for (const auto& [Property, Value] : Values)
            Property.write(Component, Value);
    } catch (...) {
        // A failed load is no load: the state goes back without the notification.
        Core->FState &= ~TComponentState(csLoading);
        throw;
    }
    Core->Loaded();
}

} // namespace vok
