"""A TCP proxy for FTP on 127.0.0.1 that cuts every connection after N bytes.

Usage: cutting_proxy.py SERVER_PORT

Clients connect to the proxy's port as to the FTP server on SERVER_PORT of
127.0.0.1. Data connections go through the proxy too: passive replies
(227, 229) and active commands (PORT, EPRT) are rewritten to ports of the
proxy. Commands on standard input, one a line, each answered with one line:
  cut N    after N more bytes (both directions, all connections together)
           abort every open connection at once; answers "OK"
  status   "CUT" when a cut happened since the last "cut", else "INTACT"
The proxy prints "PORT <n>" when it listens and ends when its standard input
closes.
"""

import asyncio
import os
import re
import sys
import threading

HOST = "127.0.0.1"


class Proxy:
    def __init__(self, server_port):
        self.server_port = server_port
        self.budget = None
        self.was_cut = False
        self.writers = set()
        self.listeners = set()

    def take(self, size):
        """How many of `size` bytes may pass; cuts when the budget runs out."""
        if self.budget is None:
            return size
        allowed = min(size, self.budget)
        self.budget -= allowed
        return allowed

    def cut_if_spent(self):
        if self.budget is not None and self.budget <= 0:
            self.budget = None
            self.was_cut = True
            for writer in list(self.writers):
                writer.transport.abort()
            self.writers.clear()
            for listener in list(self.listeners):
                listener.close()
            self.listeners.clear()

    async def forward(self, data, writer):
        allowed = self.take(len(data))
        writer.write(data[:allowed])
        if allowed < len(data) or self.budget == 0:
            await writer.drain()
            self.cut_if_spent()
            return False
        await writer.drain()
        return True

    async def pipe(self, reader, writer, rewrite=None):
        try:
            while True:
                data = await (reader.readline() if rewrite else reader.read(65536))
                if not data:
                    break
                if rewrite:
                    data = await rewrite(data)
                if not await self.forward(data, writer):
                    break
        except (ConnectionError, OSError, asyncio.IncompleteReadError):
            pass
        finally:
            self.writers.discard(writer)
            writer.close()

    async def one_shot_listener(self, connect_port):
        """Listens on a new port; its first client is joined to connect_port."""
        async def accepted(reader, writer):
            server.close()
            self.listeners.discard(server)
            try:
                other = await asyncio.open_connection(HOST, connect_port)
            except OSError:
                writer.transport.abort()
                return
            self.writers.update({writer, other[1]})
            await asyncio.gather(self.pipe(reader, other[1]), self.pipe(other[0], writer))

        server = await asyncio.start_server(accepted, HOST, 0)
        self.listeners.add(server)
        return server.sockets[0].getsockname()[1]

    async def control(self, c_reader, c_writer):
        try:
            s_reader, s_writer = await asyncio.open_connection(HOST, self.server_port)
        except OSError:
            c_writer.transport.abort()
            return
        self.writers.update({c_writer, s_writer})

        async def from_client(line):
            text = line.decode("latin-1")
            match = re.match(r"EPRT \|1\|[^|]*\|(\d+)\|", text, re.I)
            if match:
                port = await self.one_shot_listener(int(match.group(1)))
                return ("EPRT |1|%s|%d|\r\n" % (HOST, port)).encode()
            match = re.match(r"PORT (\d+),(\d+),(\d+),(\d+),(\d+),(\d+)", text, re.I)
            if match:
                port = await self.one_shot_listener(int(match.group(5)) * 256 + int(match.group(6)))
                return ("PORT 127,0,0,1,%d,%d\r\n" % (port // 256, port % 256)).encode()
            return line

        async def from_server(line):
            text = line.decode("latin-1")
            match = re.match(r"229 .*\(\|\|\|(\d+)\|\)", text)
            if match:
                port = await self.one_shot_listener(int(match.group(1)))
                return ("229 Entering extended passive mode (|||%d|).\r\n" % port).encode()
            match = re.match(r"227 .*\((\d+),(\d+),(\d+),(\d+),(\d+),(\d+)\)", text)
            if match:
                port = await self.one_shot_listener(int(match.group(5)) * 256 + int(match.group(6)))
                return ("227 Entering passive mode (127,0,0,1,%d,%d).\r\n"
                        % (port // 256, port % 256)).encode()
            return line

        await asyncio.gather(self.pipe(c_reader, s_writer, from_client),
                             self.pipe(s_reader, c_writer, from_server))

    def command(self, line):
        words = line.split()
        if words[:1] == ["cut"]:
            self.budget = int(words[1])
            self.was_cut = False
            return "OK"
        if words[:1] == ["status"]:
            return "CUT" if self.was_cut else "INTACT"
        return "?"


async def main():
    proxy = Proxy(int(sys.argv[1]))
    server = await asyncio.start_server(proxy.control, HOST, 0)
    print("PORT %d" % server.sockets[0].getsockname()[1], flush=True)
    loop = asyncio.get_running_loop()

    def read_commands():
        for line in sys.stdin:
            done = threading.Event()
            result = []

            def run(line=line):
                result.append(proxy.command(line))
                done.set()

            loop.call_soon_threadsafe(run)
            done.wait()
            print(result[0], flush=True)
        os._exit(0)

    threading.Thread(target=read_commands, daemon=True).start()
    await asyncio.Event().wait()


if __name__ == "__main__":
    asyncio.run(main())
