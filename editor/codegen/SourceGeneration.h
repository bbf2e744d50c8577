#pragma once

// The work of the source code dialog without its window: the proxy or stub class files of one interface, and in
// component mode the headers of the method and data domains that the component's interfaces use.

#include <map>
#include <string>

#include "class_InterfaceInfo.h"

class CMysqlQuery;

// One interface and one side, as the dialog's fields give them.
struct SourceRequest {
    int methodDomainId = 0;
    std::string interfaceName;
    std::string className;
    std::string side;        // "Proxy" or any other text for the stub
    std::string outputPath;  // the folder of the class files, without the final "/"
};

// Domain ids mapped to a text: the methods' data name for the data domains, empty otherwise.
using DomainIdMap = std::map<int, std::string>;

// Collects the interface's member methods (its own and its ancestors'), writes the class header and source of
// the side into the output folder and adds the method domains of the collected interfaces and the data domains
// of the members' data to the maps. Each file is replaced whole; a failure is shown with the file's path and the
// system's reason, and the side's closing message only when both of its files were written. The method domain
// and the interface are read as the server holds them when this runs: the header the class includes takes the
// domain's current name, and a domain or interface that is gone is refused with nothing written.
void GenerateInterfaceSources(CMysqlQuery& session, const SourceRequest& request, InterfaceInfoMap& memberMethods,
                              DomainIdMap& methodDomains, DomainIdMap& dataDomains);

// Adds to the maps what the headers of the method domains include besides: their parent method domains, until
// nothing new is found, and the data domains each of them uses. Call it before the method headers are written
// and before AddAliasDomains, so that the component's folder holds every header its files include.
void AddLinkedDomains(CMysqlQuery& session, DomainIdMap& methodDomains, DomainIdMap& dataDomains);

// Adds to the map every data domain that the headers of its domains need: the real domains of all their aliases
// and their parent domains, until nothing new is found.
void AddAliasDomains(CMysqlQuery& session, DomainIdMap& dataDomains);

// Write the header of every domain of the map as <base>/<component>/Tamo/Method/<server path><name>.h (or
// .../Tamo/Data/...), where the includes of the generated sources find it.
void WriteComponentMethodHeaders(CMysqlQuery& session, const std::string& basePath, const std::string& componentName,
                                 const DomainIdMap& methodDomains);
void WriteComponentDataHeaders(CMysqlQuery& session, const std::string& basePath, const std::string& componentName,
                               const DomainIdMap& dataDomains);
