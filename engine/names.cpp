#include "names.h"

#include "resources.h"

namespace quillora::names {

namespace {

struct Cache
{
    std::string text;
    bool fetched = false;
};

Cache &cache()
{
    static Cache instance;
    return instance;
}

} // namespace

const std::string &names()
{
    Cache &c = cache();
    if (!c.fetched) {
        const auto resource = resources::find(resources::kTextType, resources::kNameListId);
        c.text = resource ? std::string(*resource) : std::string();
        c.fetched = true;
    }
    return c.text;
}

void release()
{
    std::string().swap(cache().text);
}

} // namespace quillora::names
