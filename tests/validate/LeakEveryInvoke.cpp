/* A module that forgets one framework object on every invoke: the panel's
   real invoke entry point (renamed at compile time) runs, then one string is
   made and never freed. The validator's invoke/terminate cycles must see it. */

#include "plugin/FinaleExtension.h"
#include "strings/FCString.h"

QZ_EXTERN_C void* QZValidateRealInvoke(void* hostWindow);

void* FinaleExtensionInvoke(void* hostWindow)
{
    void* answer = QZValidateRealInvoke(hostWindow);
    static FCString* forgotten = nullptr;
    forgotten = new FCString();
    (void)forgotten;
    return answer;
}
