#include "framework/base/form_loader.h"

#include "framework/base/collections.h"

#include <map>

namespace vt {

namespace {

std::map<String, TComponentFactory>& Registry()
{
    static std::map<String, TComponentFactory> registry;
    return registry;
}

// Raised by the loader itself, already naming the component and property.
VT_DECLARE_EXCEPTION(ELoadError, EReadError);

struct Fixup {
    TPersistent* Target;
    String Path;  // Component.Property, for messages
    const TPropDesc* Prop;
};

class Loader {
public:
    explicit Loader(TComponent& root) : root_(root) {}

    void Load(const TObjectDesc& desc)
    {
        root_.BeginLoading();
        if (!desc.Name.empty())
            root_.SetName(desc.Name);
        created_.push_back({&root_, &desc});
        CreateChildren(desc, &root_);

        for (auto& [component, d] : created_)
            for (const TPropDesc& p : d->Props)
                Assign(*component, NameOf(*component), p);

        for (const Fixup& f : fixups_)
            Resolve(f);

        for (auto& entry : created_)
            entry.first->Loaded();
    }

private:
    static String NameOf(const TComponent& c) { return c.Name().empty() ? c.ClassName() : c.Name(); }

    [[noreturn]] static void Fail(const String& path, const TPropDesc& p, const String& what)
    {
        throw ELoadError(L"Error reading " + path + L"." + p.Name + L": " + what);
    }

    void CreateChildren(const TObjectDesc& desc, TComponent* parent)
    {
        for (const TObjectDesc& child : desc.Children) {
            auto it = Registry().find(child.ClassName);
            if (it == Registry().end())
                throw EClassNotFound(L"Class " + child.ClassName + L" not found");
            TComponent* c = it->second(&root_);
            c->BeginLoading();
            c->SetName(child.Name);
            c->SetParentComponent(parent);
            root_.ComponentCreated(c);
            created_.push_back({c, &child});
            CreateChildren(child, c);
        }
    }

    void Assign(TPersistent& target, const String& path, const TPropDesc& p)
    {
        try {
            if (p.Value.Kind == TValueKind::vkCollection) {
                TCollection* coll = target.GetCollectionProperty(p.Name);
                if (!coll)
                    Fail(path, p, L"Property " + p.Name + L" does not exist");
                coll->Clear();
                for (const auto& item : p.Value.Items) {
                    TCollectionItem* ci = coll->Add();
                    for (const TPropDesc& ip : item)
                        Assign(*ci, path + L"." + p.Name, ip);
                }
                return;
            }
            if (p.Value.Kind == TValueKind::vkIdent) {
                std::any method = root_.MethodAddress(p.Value.Str);
                if (method.has_value()) {
                    TPropValue v = p.Value;
                    v.Method = std::move(method);
                    if (!target.SetProperty(p.Name, v))
                        Fail(path, p, L"Property " + p.Name + L" does not exist");
                    return;
                }
            }
            if (target.SetProperty(p.Name, p.Value))
                return;
            if (p.Value.Kind == TValueKind::vkIdent) {
                fixups_.push_back({&target, path, &p});
                return;
            }
            Fail(path, p, L"Property " + p.Name + L" does not exist");
        } catch (const ELoadError&) {
            throw;
        } catch (const Exception& e) {
            Fail(path, p, e.Message());
        }
    }

    void Resolve(const Fixup& f)
    {
        const String& ref = f.Prop->Value.Str;
        TComponent* target = SameText(ref, root_.Name()) ? &root_ : root_.FindComponent(ref);
        if (!target)
            Fail(f.Path, *f.Prop, L"Invalid property value '" + ref + L"'");
        bool done = false;
        try {
            done = f.Target->SetReference(f.Prop->Name, target);
        } catch (const ELoadError&) {
            throw;
        } catch (const Exception& e) {
            Fail(f.Path, *f.Prop, e.Message());
        }
        if (!done)
            Fail(f.Path, *f.Prop, L"Property " + f.Prop->Name + L" does not exist");
    }

    TComponent& root_;
    std::vector<std::pair<TComponent*, const TObjectDesc*>> created_;
    std::vector<Fixup> fixups_;
};

} // namespace

void RegisterComponentClass(const String& className, TComponentFactory factory)
{
    Registry()[className] = std::move(factory);
}

bool IsComponentClassRegistered(const String& className)
{
    return Registry().count(className) != 0;
}

void LoadComponentTree(TComponent& root, const TObjectDesc& desc)
{
    Loader(root).Load(desc);
}

} // namespace vt
