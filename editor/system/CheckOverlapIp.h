#pragma once

// The duplicate-address check after an IP row of a node (or a network link) was added or changed: the other
// rows of the system domain with the address of that node port are reported in one box "IP 중복" owned by
// the window. Information only: nothing is undone.

class CWnd;

void CheckOverlapIp(CWnd* owner, int domainId, int nodeId, int port);
